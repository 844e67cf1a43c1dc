#include "operations/ConflictResolver.h"

#include "operations/CommandBodies.h"
#include "transport/CommandWWW.h"
#include "model/DevClock.h"
#include "transport/DeviceInfo.h"
#include "operations/DiscoveryDatagram.h"
#include "operations/SenderTarget.h"
#include "transport/Worker.h"
#include "transport/WorkerThread.h"
#include "transport/WorkerWWW.h"

#include <QHostAddress>
#include <QRegularExpression>
#include <QStringList>

namespace {

const int PhaseSearch = 1;
const int PhaseAddress = 2;
const int PhaseMac = 3;
const double PhaseShare = 0.33;
const int AddressParts = 4;
const int LastHostNumber = 254;
const quint64 MacMask = (quint64(1) << 48) - 1;

// A clock that changes its address or MAC may drop the connection before it
// answers; only an explicit refusal counts as not changed.
bool acceptedBy(Worker *worker)
{
    auto *www = qobject_cast<WorkerWWW *>(worker);
    return !(www && www->errorCode() == AuthorizationError);
}

// The four numbers of a dotted address, without leading zeros; false for
// anything else.
bool splitAddress(const QString &ip, QStringList &numbers)
{
    const QStringList parts = ip.split(QLatin1Char('.'));
    if (parts.size() != AddressParts)
        return false;
    numbers.clear();
    for (const QString &part : parts) {
        bool ok = false;
        const int number = part.toInt(&ok);
        if (!ok)
            return false;
        numbers << QString::number(number);
    }
    return true;
}

// An address a clock can be given: its last number not past .254.
bool isHostAddress(const QString &ip)
{
    QStringList numbers;
    return splitAddress(ip, numbers) && numbers.last().toInt() <= LastHostNumber;
}

bool parseMac(const QString &mac, quint64 &value)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9A-Fa-f]{2}(-[0-9A-Fa-f]{2}){5}$"));
    if (!pattern.match(mac).hasMatch())
        return false;
    value = 0;
    for (const QString &group : mac.split(QLatin1Char('-')))
        value = (value << 8) | group.toUInt(nullptr, 16);
    return true;
}

} // namespace

ConflictResolver::ConflictResolver(const QString &user, const QString &password, const QString &firstIp,
                                   const QString &firstMac, QObject *parent)
    : DataSender(0, parent)
    , m_user(user)
    , m_password(password)
    , m_nextIp(firstIp)
    , m_nextMac(firstMac)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(DefaultPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &ConflictResolver::onPauseEnded);
}

ConflictResolver::~ConflictResolver()
{
    qDeleteAll(m_found);
}

QString ConflictResolver::nextAddress(const QString &ip)
{
    QStringList numbers;
    if (!splitAddress(ip, numbers))
        return QString();
    const int last = numbers.last().toInt() + 1;
    if (last > LastHostNumber)
        return QString();
    numbers.last() = QString::number(last);
    return numbers.join(QLatin1Char('.'));
}

QString ConflictResolver::macPlus(const QString &mac, int offset)
{
    quint64 value = 0;
    if (!parseMac(mac, value))
        return QString();
    value = (value + quint64(offset)) & MacMask;
    QStringList groups;
    for (int shift = 40; shift >= 0; shift -= 8)
        groups << QStringLiteral("%1").arg(uint((value >> shift) & 0xFF), 2, 16, QLatin1Char('0')).toUpper();
    return groups.join(QLatin1Char('-'));
}

QVector<ClockIntake::Readdressed> ConflictResolver::readdressed() const
{
    const QString factory = QString::fromLatin1(factoryClockIp);
    QVector<ClockIntake::Readdressed> clocks;
    for (int k = 0; k < m_found.size(); ++k) {
        ClockIntake::Readdressed clock;
        clock.oldIp = factory;
        clock.oldMac = m_oldMacs.value(k);
        clock.newIp = m_found.at(k)->network.ip;
        clock.newMac = m_givenMacs.value(k);
        clock.port = m_found.at(k)->network.port;
        clock.addressTaken = m_addressTaken.value(k);
        clock.macTaken = clock.addressTaken && m_accepted.value(k) && !clock.newMac.isEmpty();
        // Clocks after the last address given, or after a cancel, were never asked.
        clock.addressed = m_addressAsked.value(k);
        clocks.append(clock);
    }
    return clocks;
}

void ConflictResolver::run()
{
    // A first MAC that is not a MAC would be sent to every clock as garbage;
    // refuse before anything goes out.
    quint64 unused = 0;
    if (!parseMac(m_nextMac, unused)) {
        fail();
        return;
    }
    m_interfaces = allNetworkCards();
    m_interfaceIndex = 0;
    if (m_interfaces.isEmpty()) {
        fail();
        return;
    }
    m_phase = PhaseSearch;
    searchInterface();
}

void ConflictResolver::searchInterface()
{
    WorkerThread *thread = DiscoveryDatagram::makeQuery(m_interfaces.at(m_interfaceIndex));
    if (!thread) {
        fail();
        return;
    }
    connect(thread, &WorkerThread::Finished, this, &ConflictResolver::onWorkerFinished);
    startExchange(thread);
}

void ConflictResolver::onWorkerFinished(Worker *worker, int index)
{
    if (hasEnded())
        return;
    switch (m_phase) {
    case PhaseSearch:
        handleInterfaceReplies(worker);
        break;
    case PhaseAddress:
        handleAddressResult(worker, index);
        break;
    case PhaseMac:
        handleMacResult(worker, index);
        break;
    default:
        fail();
    }
}

void ConflictResolver::handleInterfaceReplies(Worker *worker)
{
    const QHostAddress factoryAddress(QString::fromLatin1(factoryClockIp));
    const QVector<DeviceInfo> replies =
        DiscoveryDatagram::validReplies(worker, m_interfaces.at(m_interfaceIndex));
    for (const DeviceInfo &info : replies) {
        if (info.address == factoryAddress) {
            m_found.append(DiscoveryDatagram::newClock(info));
            m_oldMacs.append(m_found.last()->mac);
        }
    }
    ++m_interfaceIndex;
    setProgress(PhaseShare * m_interfaceIndex / m_interfaces.size());
    if (m_interfaceIndex < m_interfaces.size()) {
        searchInterface();
        return;
    }
    if (m_found.isEmpty()) {
        emitFinished();
        return;
    }
    startAddressChanges();
}

void ConflictResolver::startAddressChanges()
{
    m_phase = PhaseAddress;
    m_done = 0;
    m_expected = m_found.size();
    m_accepted = QVector<bool>(m_found.size(), false);
    m_addressTaken = QVector<bool>(m_found.size(), false);
    m_addressAsked = QVector<bool>(m_found.size(), false);
    m_givenMacs = QVector<QString>(m_found.size()).toList();
    // A first address past .254 leaves nothing to give.
    if (!isHostAddress(m_nextIp)) {
        m_unaddressed = m_found.size();
        endAddressChanges();
        return;
    }
    sendAddress(0);
}

SenderTarget ConflictResolver::targetOf(int index) const
{
    // Firmware stays 0: these bodies are short.
    SenderTarget target;
    target.device.address = QHostAddress(m_found.at(index)->network.ip);
    target.device.networkInterface = m_found.at(index)->networkInterface;
    target.user = m_user;
    target.password = m_password;
    return target;
}

void ConflictResolver::sendAddress(int index)
{
    CommandWWW command(WriteNetwork, CommandBodies::conflictAddress(m_nextIp));
    if (!sendExchange(targetOf(index), command, index, &ConflictResolver::onWorkerFinished))
        fail();
}

void ConflictResolver::handleAddressResult(Worker *worker, int index)
{
    if (index < 0 || index >= m_found.size())
        return;
    ++m_done;
    setProgress(PhaseShare + PhaseShare * m_done / m_expected);
    m_accepted[index] = acceptedBy(worker);
    m_addressTaken[index] = m_accepted.at(index);
    m_addressAsked[index] = true;
    if (m_accepted.at(index))
        m_found.at(index)->network.ip = m_nextIp;

    if (m_done < m_expected) {
        // Past .254 there is no address to give: an empty one would leave
        // the next clock without any, so the rest keep the one they have.
        if (nextAddress(m_nextIp).isEmpty()) {
            m_unaddressed = m_expected - m_done;
            endAddressChanges();
            return;
        }
        // No exchange of the resolver runs during the pause.
        m_pause.start();
        return;
    }
    endAddressChanges();
}

void ConflictResolver::endAddressChanges()
{
    if (!m_accepted.contains(true)) {
        markCanceled();
        return;
    }
    startMacChanges();
}

void ConflictResolver::onPauseEnded()
{
    // Canceled while waiting: no further clock is addressed.
    if (hasEnded())
        return;
    m_nextIp = nextAddress(m_nextIp);
    sendAddress(m_done);
}

void ConflictResolver::startMacChanges()
{
    m_phase = PhaseMac;
    m_done = 0;
    m_expected = 0;
    QList<int> changed;
    for (int k = 0; k < m_found.size(); ++k) {
        if (m_accepted.at(k))
            changed << k;
    }
    m_expected = changed.size();
    for (int j = 0; j < changed.size(); ++j) {
        const int k = changed.at(j);
        m_givenMacs[k] = macPlus(m_nextMac, j);
        CommandWWW command(WriteMac, CommandBodies::mac(m_givenMacs.at(k)));
        if (!sendExchange(targetOf(k), command, k, &ConflictResolver::onWorkerFinished)) {
            fail();
            return;
        }
    }
}

void ConflictResolver::handleMacResult(Worker *worker, int index)
{
    if (index < 0 || index >= m_found.size())
        return;
    ++m_done;
    setProgress(2 * PhaseShare + PhaseShare * m_done / m_expected);
    m_accepted[index] = acceptedBy(worker);
    if (m_done == m_expected)
        emitFinished();
}
