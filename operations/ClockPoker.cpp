#include "ClockPoker.h"

#include "ClockRegistry.h"
#include "Communication.h"
#include "DevClock.h"
#include "GetStatusSender.h"
#include "SenderTarget.h"

#include <QDateTime>

namespace {

// A failed poll still counts as an update: the clock is retried after the due
// interval, not at once.
const int NoStatusCode = 0;
// The cursor before the first poll, so that the first search starts at clock 0.
const int NoClockPolled = -1;

} // namespace

ClockPoker::ClockPoker(QObject *parent)
    : QObject(parent)
{
    m_pollTimer.setInterval(DefaultTickMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &ClockPoker::onClockTimeout);
    m_pollTimer.start();
}

bool ClockPoker::isDue(const DevClock &clock) const
{
    const QDateTime last = clock.status.lastStatusUpdate;
    return !last.isValid() || last.secsTo(QDateTime::currentDateTime()) > m_dueAfterSeconds;
}

void ClockPoker::onClockTimeout()
{
    if (!m_inFlight.isEmpty())
        return;
    const QList<DevClock *> clocks = ClockRegistry::instance()->clocks();
    const int n = clocks.size();
    if (m_cursor >= n)
        m_cursor = NoClockPolled;
    // The search starts after the clock polled last, which comes last: when
    // several clocks fall due together, none is polled twice in a row.
    for (int i = 1; i <= n; ++i) {
        const int k = (m_cursor + i) % n;
        DevClock *clock = clocks.at(k);
        if (isDue(*clock)) {
            if (k <= m_cursor || m_cursor == NoClockPolled)
                emit PollRoundStarted();
            m_cursor = k;
            poke(clock);
            return;
        }
    }
}

void ClockPoker::poke(DevClock *clock)
{
    m_inFlight.append(clock->id);
    DataSender *sender = Communication::instance()->getStatus({SenderTarget::fromClock(*clock)});
    connect(sender, &DataSender::finished, this, &ClockPoker::onPokeFinished);
    connect(sender, &DataSender::error, this, &ClockPoker::onPokeFinished);
    // A poll someone cancels says nothing about the clock, but must not leave
    // the poller waiting for it for ever.
    connect(sender, &DataSender::canceled, this, &ClockPoker::onPokeCanceled);
}

void ClockPoker::onPokeCanceled(DataSender *sender)
{
    m_inFlight.removeAll(sender->clockId(0));
    QTimer::singleShot(0, this, &ClockPoker::onClockTimeout);
}

void ClockPoker::onPokeFinished(DataSender *sender)
{
    const quint64 id = sender->clockId(0);
    m_inFlight.removeAll(id);
    // With many clocks, waiting for the next tick would cap polling at ten
    // clocks a second although each answers in about a millisecond.
    QTimer::singleShot(0, this, &ClockPoker::onClockTimeout);

    DevClock *clock = ClockRegistry::instance()->clockById(id);
    if (!clock)
        return;
    clock->status.lastStatusUpdate = QDateTime::currentDateTime();
    auto *status = qobject_cast<GetStatusSender *>(sender);
    bool answered = false;
    if (status && status->result() == DataSender::Succeeded && !status->replies().isEmpty()) {
        answered = clock->parseStatus(QString::fromUtf8(status->replies().constFirst()), NoStatusCode);
    } else {
        const QVector<Error> errors = status ? status->errors() : QVector<Error>();
        const bool refused = !errors.isEmpty() && errors.constFirst() == AuthorizationError;
        clock->setNtpStatus(refused ? NtpNoAuthentication : NtpNoConnection);
    }
    emit PollFinished(id, answered);
    emit ClockStatusUpdated(id);
}
