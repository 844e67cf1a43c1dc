#include "operations/change/ChangeRun.h"

#include "model/DevClock.h"
#include "operations/Communication.h"
#include "operations/GetConfigurationSender.h"
#include "operations/SetConfigurationSender.h"
#include "values/Error.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

using State = ClockChange::State;

int percentOf(int total, int percent)
{
    return int(std::ceil(double(total) * percent / 100.0));
}

// Counted towards the sizes and the stop rule: the clocks the run sends to.
bool isSent(State state)
{
    return state == State::Planned || state == State::Sending || state == State::Verified || state == State::Failed
           || state == State::Stopped;
}

QString failureText(const DataSender &sender, const QString &reason)
{
    const int error = sender.errorCode() == NoError ? ConnectionError : sender.errorCode();
    return ErrorText::operationFailed(error, reason);
}

} // namespace

ChangeRun::ChangeRun(Communication &exchanges, const ChangeRunState &state, QObject *parent)
    : QObject(parent)
    , m_exchanges(exchanges)
    , m_state(state)
{
}

ChangeRun::~ChangeRun()
{
    dropSenders();
}

void ChangeRun::dropSenders()
{
    const QList<DataSender *> senders = m_senders.keys();
    m_senders.clear();
    for (DataSender *sender : senders) {
        disconnect(sender, nullptr, this, nullptr);
        m_exchanges.cancel(sender);
    }
}

void ChangeRun::plan()
{
    m_planTotal = 0;
    m_planDone = 0;
    m_wasSending.clear();
    m_state.recipe.prepareSite(QDateTime::currentDateTimeUtc());
    for (int i = 0; i < m_state.clocks.size(); ++i) {
        ClockChange &clock = m_state.clocks[i];
        if (clock.isDone())
            continue;
        if (clock.state == State::Sending)
            m_wasSending.insert(i, clock.changes);
        ++m_planTotal;
        DataSender *sender = m_exchanges.getConfiguration(clock.target);
        m_senders.insert(sender, i);
        connect(sender, &DataSender::finished, this, &ChangeRun::onDownloaded);
        connect(sender, &DataSender::error, this, &ChangeRun::onDownloaded);
        connect(sender, &DataSender::canceled, this, &ChangeRun::onDownloaded);
    }
    if (m_planTotal == 0)
        QTimer::singleShot(0, this, &ChangeRun::planned);
}

void ChangeRun::onDownloaded(DataSender *sender)
{
    if (!m_senders.contains(sender))
        return;
    const int index = m_senders.take(sender);
    ClockChange &clock = m_state.clocks[index];
    auto *download = static_cast<GetConfigurationSender *>(sender);
    if (sender->result() == DataSender::Succeeded && download->allPartsDecoded()) {
        ChangePlan::plan(clock, download->downloadedClock()->config(), m_state.recipe);
        // Sent by the run that stopped, and it took: done, not sent again.
        const auto earlier = m_wasSending.constFind(index);
        if (earlier != m_wasSending.constEnd() && clock.state == State::Skipped) {
            clock.state = State::Verified;
            clock.changes = earlier.value();
        }
    } else {
        // A part left at its defaults would be sent back as settings the
        // clock never had, so nothing is planned from it.
        clock.state = State::Unreadable;
        clock.changes.clear();
        clock.parts.clear();
        clock.error = download->unreadPart() != ConfigPart::None ? ConfigParts::notReadText(download->unreadPart())
                                                                 : failureText(*sender, sender->errorReason());
    }
    emit progress(++m_planDone, m_planTotal);
    if (m_planDone == m_planTotal)
        emit planned();
}

int ChangeRun::plannedCount() const
{
    int count = 0;
    for (const ClockChange &clock : m_state.clocks)
        count += clock.state == State::Planned ? 1 : 0;
    return count;
}

int ChangeRun::canarySize() const
{
    if (m_state.canary > 0)
        return m_state.canary;
    return qMax(1, percentOf(plannedCount(), ChangeRunState::defaultCanaryPercent));
}

int ChangeRun::waveSize() const
{
    if (m_state.wave > 0)
        return m_state.wave;
    return qMax(1, percentOf(m_toApply > 0 ? m_toApply : plannedCount(), ChangeRunState::defaultWavePercent));
}

int ChangeRun::allowedFailures() const
{
    if (m_state.maxFailed >= 0)
        return m_state.maxFailed;
    int sent = 0;
    for (const ClockChange &clock : m_state.clocks)
        sent += isSent(clock.state) ? 1 : 0;
    return sent * m_state.maxFailedPercent / 100;
}

bool ChangeRun::save(bool force)
{
    if (!m_saver)
        return true;
    if (!force && m_sinceSave.isValid() && m_sinceSave.elapsed() < m_saveIntervalMs)
        return true;
    m_sinceSave.start();
    QString why;
    if (m_saver(m_state, &why))
        return true;
    m_saveError = why.isEmpty() ? tr("cannot write the run's file") : why;
    return false;
}

void ChangeRun::apply()
{
    m_queue.clear();
    for (int i = 0; i < m_state.clocks.size(); ++i) {
        if (m_state.clocks.at(i).state == State::Planned)
            m_queue.append(i);
    }
    m_toApply = m_queue.size();
    m_waveNumber = 0;
    m_state.stopped = false;
    // The first wave is the canary.
    startWave();
}

void ChangeRun::startWave()
{
    const int failed = std::count_if(m_state.clocks.cbegin(), m_state.clocks.cend(),
                                     [](const ClockChange &clock) { return clock.state == State::Failed; });
    // Between waves only: a resumed run starts with a wave of its own.
    if (!m_queue.isEmpty() && m_waveNumber > 0 && (failed > allowedFailures() || m_stopRequested)) {
        m_state.stopped = true;
        for (int index : qAsConst(m_queue))
            m_state.clocks[index].state = State::Stopped;
        m_queue.clear();
    }
    if (m_queue.isEmpty()) {
        save(true);
        QTimer::singleShot(0, this, &ChangeRun::finished);
        return;
    }
    const int size = qMin(m_waveNumber == 0 ? canarySize() : waveSize(), m_queue.size());
    const QVector<int> wave = m_queue.mid(0, size);
    m_queue.remove(0, size);
    for (int index : wave)
        m_state.clocks[index].state = State::Sending;
    // On disk before anything is sent: a kill now leaves them to be read again.
    if (!save(true)) {
        for (int index : wave)
            m_state.clocks[index].state = State::Planned;
        m_queue.clear();
        QTimer::singleShot(0, this, &ChangeRun::finished);
        return;
    }
    ++m_waveNumber;
    m_inWave = wave.size();
    emit waveStarted(m_waveNumber, m_inWave);
    for (int index : wave) {
        ClockChange &clock = m_state.clocks[index];
        ClockConfig record;
        static_cast<ClockConfigFields &>(record) = clock.result;
        SetConfigurationSender *sender = m_exchanges.setConfiguration(record, {clock.target});
        sender->setParts(clock.parts);
        m_senders.insert(sender, index);
        connect(sender, &DataSender::finished, this, &ChangeRun::onSent);
        connect(sender, &DataSender::error, this, &ChangeRun::onSent);
        connect(sender, &DataSender::canceled, this, &ChangeRun::onSent);
    }
}

void ChangeRun::onSent(DataSender *sender)
{
    if (!m_senders.contains(sender))
        return;
    const int index = m_senders.take(sender);
    ClockChange &clock = m_state.clocks[index];
    auto *upload = static_cast<SetConfigurationSender *>(sender);
    if (sender->result() != DataSender::Succeeded || !upload->succeeded().value(0)) {
        clock.state = State::Failed;
        clock.error = failureText(*sender, upload->reasons().value(0));
        finishClock(index);
        return;
    }
    DataSender *readBack = m_exchanges.getConfiguration(clock.target);
    m_senders.insert(readBack, index);
    connect(readBack, &DataSender::finished, this, &ChangeRun::onReadBack);
    connect(readBack, &DataSender::error, this, &ChangeRun::onReadBack);
    connect(readBack, &DataSender::canceled, this, &ChangeRun::onReadBack);
}

void ChangeRun::onReadBack(DataSender *sender)
{
    if (!m_senders.contains(sender))
        return;
    const int index = m_senders.take(sender);
    ClockChange &clock = m_state.clocks[index];
    auto *download = static_cast<GetConfigurationSender *>(sender);
    clock.state = State::Failed;
    if (sender->result() != DataSender::Succeeded || !download->allPartsDecoded()) {
        clock.error = tr("not verified: %1")
                          .arg(download->unreadPart() != ConfigPart::None
                                   ? ConfigParts::notReadText(download->unreadPart())
                                   : failureText(*sender, sender->errorReason()));
        finishClock(index);
        return;
    }
    const ClockConfigFields &shown = download->downloadedClock()->config();
    for (ConfigPart part : qAsConst(clock.parts)) {
        if (ChangePlan::partBytes(shown, part) != ChangePlan::partBytes(clock.result, part)) {
            clock.error = tr("not verified: the clock does not show the change (%1)").arg(ConfigParts::name(part));
            finishClock(index);
            return;
        }
    }
    clock.state = State::Verified;
    clock.error.clear();
    finishClock(index);
}

void ChangeRun::finishClock(int index)
{
    emit clockFinished(index);
    const int total = m_toApply;
    const int remaining = m_queue.size() + m_inWave - 1;
    emit progress(total - remaining, total);
    save(false);
    if (--m_inWave == 0)
        startWave();
}
