#include "operations/change/PasswordRun.h"

#include "model/CsvCell.h"
#include "operations/Communication.h"
#include "operations/GetStatusSender.h"
#include "operations/SimpleSender.h"
#include "values/Error.h"

#include <QTimer>

#include <algorithm>

namespace {

using State = PasswordClock::State;

bool succeeded(const DataSender *sender)
{
    const auto *simple = static_cast<const SimpleSender *>(sender);
    return sender->result() == DataSender::Succeeded && simple->succeeded().value(0);
}

QString failureText(const DataSender *sender)
{
    const auto *simple = static_cast<const SimpleSender *>(sender);
    int error = simple->errors().value(0, NoError);
    if (error == NoError)
        error = sender->errorCode() == NoError ? ConnectionError : sender->errorCode();
    return ErrorText::operationFailed(error, simple->reasons().value(0));
}

} // namespace

QString PasswordClock::stateKey(State state)
{
    switch (state) {
    case State::Planned:
        return QStringLiteral("planned");
    case State::Sending:
        return QStringLiteral("sending");
    case State::Verified:
        return QStringLiteral("verified");
    case State::Unverified:
        return QStringLiteral("unverified");
    case State::Failed:
        return QStringLiteral("failed");
    case State::Stopped:
        return QStringLiteral("stopped");
    }
    return QString();
}

QString PasswordClock::stateText(State state)
{
    switch (state) {
    case State::Verified:
        return PasswordRun::tr("verified");
    case State::Unverified:
        return PasswordRun::tr("not verified");
    case State::Failed:
        return PasswordRun::tr("failed");
    case State::Stopped:
        return PasswordRun::tr("not sent");
    case State::Sending:
        return PasswordRun::tr("sending");
    case State::Planned:
        break;
    }
    return PasswordRun::tr("planned");
}

QString PasswordClock::resultError() const
{
    return state == State::Stopped ? PasswordRun::tr("the run stopped before its wave") : error;
}

QByteArray PasswordRun::resultCsv(const QVector<PasswordClock> &clocks)
{
    QByteArray csv = "clock,ip,state,verified,stored,error\n";
    for (const PasswordClock &clock : clocks) {
        csv += CsvCell::line({clock.name, clock.ip, PasswordClock::stateKey(clock.state),
                              clock.state == State::Verified ? QStringLiteral("yes") : QStringLiteral("no"),
                              clock.storedKey(), clock.resultError()});
    }
    return csv;
}

PasswordRun::PasswordRun(Communication &exchanges, const QVector<PasswordClock> &clocks, const WaveRule &rule,
                         QObject *parent)
    : QObject(parent)
    , m_exchanges(exchanges)
    , m_clocks(clocks)
    , m_rule(rule)
{
}

PasswordRun::~PasswordRun()
{
    const QList<DataSender *> senders = m_senders.keys();
    m_senders.clear();
    for (DataSender *sender : senders) {
        disconnect(sender, nullptr, this, nullptr);
        m_exchanges.cancel(sender);
    }
}

void PasswordRun::apply()
{
    m_queue.clear();
    for (int i = 0; i < m_clocks.size(); ++i) {
        if (m_clocks.at(i).state == State::Planned)
            m_queue.append(i);
    }
    m_waveNumber = 0;
    m_finished = 0;
    m_stopped = false;
    startWave();
}

void PasswordRun::startWave()
{
    const int failed = std::count_if(m_clocks.cbegin(), m_clocks.cend(), [](const PasswordClock &clock) {
        return clock.state == State::Failed || clock.state == State::Unverified;
    });
    if (!m_queue.isEmpty() && m_waveNumber > 0 && (failed > allowedFailures() || m_stopRequested)) {
        m_stopped = true;
        for (int index : qAsConst(m_queue))
            m_clocks[index].state = State::Stopped;
        m_queue.clear();
    }
    if (m_queue.isEmpty()) {
        QTimer::singleShot(0, this, &PasswordRun::finished);
        return;
    }
    const int size = qMin(m_waveNumber == 0 ? canarySize() : waveSize(), int(m_queue.size()));
    const QVector<int> wave = m_queue.mid(0, size);
    m_queue.remove(0, size);
    ++m_waveNumber;
    m_inWave = wave.size();
    emit waveStarted(m_waveNumber, m_inWave);
    for (int index : wave) {
        PasswordClock &clock = m_clocks[index];
        clock.state = State::Sending;
        watch(m_exchanges.setPassword(clock.target, clock.oldPassword, clock.newPassword), index, Step::Command);
    }
}

void PasswordRun::watch(DataSender *sender, int index, Step step)
{
    m_senders.insert(sender, {index, step});
    auto slot = step == Step::Command ? &PasswordRun::onSent : &PasswordRun::onPolled;
    connect(sender, &DataSender::finished, this, slot);
    connect(sender, &DataSender::error, this, slot);
    connect(sender, &DataSender::canceled, this, slot);
}

void PasswordRun::onSent(DataSender *sender)
{
    if (!m_senders.contains(sender))
        return;
    const int index = m_senders.take(sender).first;
    if (!succeeded(sender)) {
        finishClock(index, State::Failed, failureText(sender));
        return;
    }
    emit commandTaken(index);
    // A clock may answer before it has taken the password in.
    QTimer::singleShot(m_settleMs, this, [this, index] { poll(index, Step::NewPassword); });
}

void PasswordRun::poll(int index, Step step)
{
    SenderTarget target = m_clocks.at(index).target;
    if (step == Step::NewPassword)
        target.password = m_clocks.at(index).newPassword;
    watch(m_exchanges.getStatus({target}), index, step);
}

void PasswordRun::onPolled(DataSender *sender)
{
    if (!m_senders.contains(sender))
        return;
    const auto [index, step] = m_senders.take(sender);
    const bool answered = succeeded(sender);
    if (step == Step::NewPassword) {
        if (answered) {
            m_clocks[index].statusReply = static_cast<SimpleSender *>(sender)->replies().value(0);
            finishClock(index, State::Verified);
        } else {
            m_clocks[index].error = failureText(sender);
            poll(index, Step::OldPassword);
        }
        return;
    }
    if (answered)
        finishClock(index, State::Failed, tr("not changed: the clock still answers to the old password"));
    else
        finishClock(index, State::Unverified,
                    tr("not verified: the clock took the new password but does not answer with it (%1)")
                        .arg(m_clocks.at(index).error));
}

void PasswordRun::finishClock(int index, State state, const QString &error)
{
    m_clocks[index].state = state;
    m_clocks[index].error = error;
    emit clockFinished(index);
    emit progress(++m_finished, m_clocks.size());
    if (--m_inWave == 0)
        startWave();
}
