#include "operations/DeviceFinder.h"

#include "model/ClockRegistry.h"
#include "transport/CommandWWW.h"
#include "model/DevClock.h"
#include "transport/DeviceInfo.h"
#include "operations/DiscoveryDatagram.h"
#include "values/MacText.h"
#include "operations/SenderTarget.h"
#include "transport/Worker.h"
#include "transport/WorkerThread.h"
#include "transport/WorkerWWW.h"

#include <algorithm>

namespace {

const int PhaseInterfaces = 1;
const int PhaseClocks = 2;
// Each phase-1 interface and each phase-2 clock takes its share of a third.
const double PhaseShare = 3.0;

} // namespace

DeviceFinder::DeviceFinder(const QString &user, const QString &password, const ClockRegistry &listed,
                           QObject *parent)
    : DataSender(0, parent)
    , m_user(user)
    , m_password(password)
    , m_listed(listed)
{
}

DeviceFinder::~DeviceFinder()
{
    if (!m_clocksTaken)
        qDeleteAll(m_clocks);
}

QVector<DevClock *> DeviceFinder::clocks()
{
    m_clocksTaken = true;
    return m_clocks;
}

QString DeviceFinder::lostRepliesText(int lost)
{
    return tr("Replies to the search lost because the system's receive buffer was full: %1. Search again to find the "
              "missing clocks.")
        .arg(lost);
}

void DeviceFinder::run()
{
    m_cards = allNetworkCards();
    m_cardIndex = 0;
    if (m_cards.isEmpty()) {
        fail();
        return;
    }
    queryCard();
}

void DeviceFinder::queryCard()
{
    m_phase = PhaseInterfaces;
    WorkerThread *thread = DiscoveryDatagram::makeQuery(m_cards.at(m_cardIndex));
    if (!thread) {
        fail();
        return;
    }
    connect(thread, &WorkerThread::Finished, this, &DeviceFinder::onWorkerFinish);
    startExchange(thread);
}

void DeviceFinder::queryClocks()
{
    m_phase = PhaseClocks;
    m_clocksAnswered = 0;
    // All at once: the worker pool asks different addresses in parallel and
    // clocks that share one (the factory address) one after the other.
    for (int index = 0; index < m_clocks.size(); ++index) {
        const DevClock *clock = m_clocks.at(index);
        SenderTarget target;
        target.device.address = QHostAddress(clock->network.ip);
        target.device.networkInterface = clock->networkInterface;
        // Only the first clock carries its firmware; the request has no body,
        // so it does not matter for the others.
        target.device.firmware = index == 0 ? clock->firmware : 0;
        target.user = clock->user;
        target.password = clock->password;
        CommandWWW command(ReadNetwork, QByteArray());
        if (!sendExchange(target, command, index, &DeviceFinder::onWorkerFinish)) {
            fail();
            return;
        }
    }
}

void DeviceFinder::onWorkerFinish(Worker *worker, int id)
{
    if (hasEnded())
        return;
    if (m_phase == PhaseInterfaces)
        handleCardReplies(worker);
    else if (m_phase == PhaseClocks)
        handleClockReply(worker, id);
    else
        fail();
}

void DeviceFinder::cancel()
{
    if (!hasEnded())
        dropIncompleteClocks();
    DataSender::cancel();
}

void DeviceFinder::handleCardReplies(Worker *worker)
{
    // A clock made from a rejected reply is dropped at the end if incomplete.
    const QVector<DeviceInfo> replies = DiscoveryDatagram::validReplies(worker, m_cards.at(m_cardIndex));
    m_lostReplies += DiscoveryDatagram::lostReplies(worker);
    for (const DeviceInfo &info : replies) {
        DevClock *clock = DiscoveryDatagram::newClock(info);
        clock->user = m_user;
        clock->password = m_password;
        if (m_user.isEmpty())
            takeListedCredentials(*clock);
        clock->lastError = AuthorizationError;
        m_clocks.append(clock);
    }

    ++m_cardIndex;
    setProgress(double(m_cardIndex) / m_cards.size() / PhaseShare);
    if (m_cardIndex < m_cards.size()) {
        queryCard();
        return;
    }
    if (m_clocks.isEmpty()) {
        emitFinished();
        return;
    }
    queryClocks();
}

void DeviceFinder::takeListedCredentials(DevClock &clock) const
{
    // Only at the listed clock's own address, where the poller logs in
    // anyway: a stranger reporting a listed MAC elsewhere gets no password.
    for (const DevClock *listed : m_listed.clocks()) {
        if (listed->network.ip != clock.network.ip || (listed->user.isEmpty() && listed->password.isEmpty()))
            continue;
        if (MacText::isIdentity(clock.mac) && MacText::isIdentity(listed->mac) && listed->mac != clock.mac)
            continue;
        clock.user = listed->user;
        clock.password = listed->password;
        return;
    }
}

void DeviceFinder::handleClockReply(Worker *worker, int index)
{
    if (index < 0 || index >= m_clocks.size())
        return;
    DevClock *clock = m_clocks.at(index);
    auto *www = qobject_cast<WorkerWWW *>(worker);
    clock->lastError = www ? www->errorCode() : (worker->error() ? ConnectionError : NoError);
    if (!worker->error())
        clock->parseNetworkSettings(QString::fromUtf8(worker->data()), 0, clock->user, clock->password);

    ++m_clocksAnswered;
    setProgress(std::min(1.0, progress() + double(m_clocksAnswered) / m_clocks.size() / PhaseShare));
    if (m_clocksAnswered < m_clocks.size())
        return;
    dropIncompleteClocks();
    if (m_clocks.isEmpty())
        fail();
    else
        emitFinished();
}

void DeviceFinder::dropIncompleteClocks()
{
    for (int i = m_clocks.size() - 1; i >= 0; --i) {
        if (!m_clocks.at(i)->isSupported()) {
            delete m_clocks.at(i);
            m_clocks.removeAt(i);
        }
    }
}
