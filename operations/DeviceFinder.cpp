#include "DeviceFinder.h"

#include "CommandWWW.h"
#include "DevClock.h"
#include "DeviceInfo.h"
#include "DiscoveryDatagram.h"
#include "SenderTarget.h"
#include "Worker.h"
#include "WorkerThread.h"
#include "WorkerThreadPool.h"
#include "WorkerWWW.h"

#include <algorithm>

namespace {

const int PhaseInterfaces = 1;
const int PhaseClocks = 2;
// Each phase-1 interface and each phase-2 clock takes its share of a third.
const double PhaseShare = 3.0;

} // namespace

DeviceFinder::DeviceFinder(const QString &user, const QString &password, QObject *parent)
    : DataSender(0, parent)
    , m_user(user)
    , m_password(password)
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
    WorkerThreadPool::start(thread);
}

void DeviceFinder::queryClock()
{
    m_phase = PhaseClocks;
    const DevClock *clock = m_clocks.at(m_clockIndex);
    SenderTarget target;
    target.device.address = QHostAddress(clock->network.ip);
    target.device.networkInterface = clock->networkInterface;
    // Only the first clock carries its firmware; the request has no body, so it
    // does not matter for the others.
    target.device.firmware = m_clockIndex == 0 ? clock->firmware : 0;
    target.user = m_user;
    target.password = m_password;
    CommandWWW command(ReadNetwork, QByteArray());
    if (!sendExchange(target, command, m_clockIndex, &DeviceFinder::onWorkerFinish))
        fail();
}

void DeviceFinder::onWorkerFinish(Worker *worker)
{
    if (hasEnded())
        return;
    if (isCancelRequested()) {
        dropIncompleteClocks();
        markCanceled();
        return;
    }
    if (m_phase == PhaseInterfaces)
        handleCardReplies(worker);
    else if (m_phase == PhaseClocks)
        handleClockReply(worker);
    else
        fail();
}

void DeviceFinder::handleCardReplies(Worker *worker)
{
    // A clock made from a rejected reply is dropped at the end if incomplete.
    const QVector<DeviceInfo> replies = DiscoveryDatagram::validReplies(worker, m_cards.at(m_cardIndex));
    for (const DeviceInfo &info : replies) {
        DevClock *clock = DiscoveryDatagram::newClock(info);
        clock->user = m_user;
        clock->password = m_password;
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
    m_clockIndex = 0;
    queryClock();
}

void DeviceFinder::handleClockReply(Worker *worker)
{
    DevClock *clock = m_clocks.at(m_clockIndex);
    auto *www = qobject_cast<WorkerWWW *>(worker);
    clock->lastError = www ? www->errorCode() : (worker->error() ? ConnectionError : NoError);
    if (!worker->error())
        clock->parseNetworkSettings(QString::fromUtf8(worker->data()), 0, m_user, m_password);

    ++m_clockIndex;
    setProgress(std::min(1.0, progress() + double(m_clockIndex) / m_clocks.size() / PhaseShare));
    if (m_clockIndex < m_clocks.size()) {
        queryClock();
        return;
    }
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
