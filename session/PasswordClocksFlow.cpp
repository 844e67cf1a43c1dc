#include "session/PasswordClocksFlow.h"

#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/ParameterText.h"
#include "operations/change/ChangeRunState.h"
#include "operations/change/NewPasswords.h"
#include "persistence/PlanFile.h"
#include "persistence/XmlFile.h"
#include "session/PasswordRunModel.h"

#include <QSet>

#include <algorithm>

namespace {

using State = PasswordClock::State;

} // namespace

PasswordClocksFlow::PasswordClocksFlow(Communication &exchanges, ClockRegistry &registry, QObject *parent)
    : QObject(parent)
    , m_exchanges(exchanges)
    , m_registry(registry)
    , m_model(new PasswordRunModel(this))
{
}

PasswordClocksFlow::~PasswordClocksFlow() = default;

void PasswordClocksFlow::setClocks(const QList<DevClock *> &clocks)
{
    if (isBusy())
        return;
    m_planned.clear();
    m_ids.clear();
    QSet<const DevClock *> seen;
    for (const DevClock *clock : clocks) {
        if (!clock || seen.contains(clock))
            continue;
        seen.insert(clock);
        PasswordClock planned;
        planned.ip = clock->network.ip;
        planned.name = clock->name;
        planned.target = SenderTarget::fromClock(*clock);
        m_planned.append(planned);
        m_ids.append(clock->id);
    }
    m_run.reset();
    m_model->setClocks(&m_planned);
}

void PasswordClocksFlow::setWaves(int canary, int wave, int maxFailed)
{
    m_rule.canary = qMax(0, canary);
    m_rule.wave = qMax(0, wave);
    m_rule.maxFailed = qMax(-1, maxFailed);
}

const QVector<PasswordClock> &PasswordClocksFlow::clocks() const
{
    return m_run ? m_run->clocks() : m_planned;
}

bool PasswordClocksFlow::plan(const Choice &choice, QVector<PasswordClock> &clocks, QString *why) const
{
    NewPasswords::Parsed list;
    if (choice.source == Source::List) {
        list = NewPasswords::readFile(choice.path);
        if (!list.ok()) {
            *why = tr("Cannot read %1: %2").arg(choice.path, list.error);
            return false;
        }
    }
    clocks = m_planned;
    for (PasswordClock &clock : clocks) {
        clock.oldPassword = choice.oldPassword.isEmpty() ? clock.target.password : choice.oldPassword;
        switch (choice.source) {
        case Source::Given:
            clock.newPassword = choice.password;
            break;
        case Source::Generated:
            clock.newPassword = NewPasswords::generate();
            break;
        case Source::List:
            // A file of one line is one password for every clock.
            if (!list.isList) {
                clock.newPassword = list.single;
            } else if (list.byAddress.contains(clock.ip)) {
                clock.newPassword = list.byAddress.value(clock.ip);
            } else {
                *why = tr("%1 gives no password for %2.").arg(choice.path, clock.label());
                return false;
            }
            break;
        }
        // The text names the clock, never the password.
        if (clock.newPassword.isEmpty()) {
            *why = tr("%1: the new password is empty.").arg(clock.label());
            return false;
        }
        if (!ParameterText::isSafePassword(clock.oldPassword) || !ParameterText::isSafePassword(clock.newPassword)) {
            *why = clock.label() + QStringLiteral(": ") + ParameterText::passwordRefusalText();
            return false;
        }
    }
    return true;
}

bool PasswordClocksFlow::start(const Choice &choice, QString *why)
{
    QString reason;
    if (!why)
        why = &reason;
    if (isBusy() || m_phase == Phase::Finished) {
        *why = tr("The run has been sent already.");
        return false;
    }
    if (m_planned.isEmpty()) {
        *why = tr("No clocks are chosen.");
        return false;
    }
    QVector<PasswordClock> clocks;
    if (!plan(choice, clocks, why))
        return false;
    if (choice.source == Source::Generated) {
        // Before anything is sent: a crash later still leaves every password made.
        QVector<QPair<QString, QString>> passwords;
        for (const PasswordClock &clock : qAsConst(clocks))
            passwords.append({clock.ip, clock.newPassword});
        QString failure;
        if (!PlanFile::saveData(choice.path, NewPasswords::write(passwords), &failure)) {
            *why = tr("Cannot write %1: %2. Nothing was sent.").arg(choice.path, failure);
            return false;
        }
    }
    m_id = ChangeRunState::newId();
    m_listChanged = false;
    m_run = std::make_unique<PasswordRun>(m_exchanges, clocks, m_rule);
    m_run->setSettleMs(m_settleMs);
    connect(m_run.get(), &PasswordRun::progress, this, &PasswordClocksFlow::progressChanged);
    connect(m_run.get(), &PasswordRun::waveStarted, this, [this](int number, int clocks) {
        // The passwords of the waves before are kept before the next is sent.
        saveListIfChanged();
        setStatus(tr("Wave %1: %2 clocks").arg(number).arg(clocks));
    });
    connect(m_run.get(), &PasswordRun::commandTaken, this, &PasswordClocksFlow::onCommandTaken);
    connect(m_run.get(), &PasswordRun::clockFinished, this, &PasswordClocksFlow::onClockFinished);
    connect(m_run.get(), &PasswordRun::finished, this, &PasswordClocksFlow::onFinished);
    m_model->setClocks(&m_run->clocks());
    setPhase(Phase::Applying);
    emit progressChanged(0, clocks.size());
    m_run->apply();
    return true;
}

void PasswordClocksFlow::stop()
{
    if (m_phase != Phase::Applying)
        return;
    m_run->stop();
    setStatus(tr("Stopping after the wave under way…"));
}

void PasswordClocksFlow::onCommandTaken(int index)
{
    // Looked up again: the list may have changed while the clock was sent to.
    if (DevClock *listed = m_registry.clockById(m_ids.value(index))) {
        listed->password = m_run->clocks().at(index).newPassword;
        m_listChanged = true;
    }
}

void PasswordClocksFlow::onClockFinished(int index)
{
    const PasswordClock &clock = m_run->clocks().at(index);
    if (DevClock *listed = m_registry.clockById(m_ids.value(index))) {
        // The target holds the password the list had when the run began.
        const QString kept = clock.hasNewPassword() ? clock.newPassword : clock.target.password;
        if (listed->password != kept || clock.hasNewPassword()) {
            listed->password = kept;
            m_registry.announceClockChanged(listed);
            m_listChanged = true;
        }
    }
    if (m_recorder) {
        // That it changed, never to what.
        OperatorChange change;
        change.operation = QStringLiteral("password");
        change.run = m_id;
        change.done = clock.state == State::Verified;
        change.reason = change.done ? QString() : clock.error;
        m_recorder(clock.ip, change);
    }
    m_model->clockChanged(index);
}

void PasswordClocksFlow::onFinished()
{
    if (m_phase != Phase::Applying)
        return;
    saveListIfChanged();
    m_model->setClocks(&m_run->clocks());
    finish(m_run->stopped());
}

void PasswordClocksFlow::showResult(const QString &id, const QVector<PasswordClock> &clocks, bool stopped)
{
    if (isBusy())
        return;
    m_run.reset();
    m_id = id;
    m_planned = clocks;
    m_model->setClocks(&m_planned);
    const int sent = std::count_if(m_planned.cbegin(), m_planned.cend(), [](const PasswordClock &clock) {
        return clock.state != State::Planned && clock.state != State::Stopped;
    });
    emit progressChanged(sent, m_planned.size());
    finish(stopped);
}

void PasswordClocksFlow::finish(bool stopped)
{
    const QVector<PasswordClock> &done = clocks();
    const int verified = std::count_if(done.cbegin(), done.cend(),
                                       [](const PasswordClock &clock) { return clock.state == State::Verified; });
    QString text = tr("Password run %1: %2 verified of %3 clocks.").arg(m_id).arg(verified).arg(done.size());
    if (stopped)
        text += QLatin1Char(' ') + tr("Stopped between waves: the clocks not sent to keep their passwords.");
    setPhase(Phase::Finished);
    setStatus(text);
}

void PasswordClocksFlow::saveListIfChanged()
{
    if (!m_listChanged)
        return;
    m_listChanged = false;
    if (m_saveList)
        m_saveList();
}

void PasswordClocksFlow::setPhase(Phase phase)
{
    if (m_phase == phase)
        return;
    m_phase = phase;
    emit phaseChanged(phase);
}

void PasswordClocksFlow::setStatus(const QString &text)
{
    m_status = text;
    emit statusChanged(text);
}

bool PasswordClocksFlow::exportCsv(const QString &path, QString *why) const
{
    return XmlFile::write(path, PasswordRun::resultCsv(clocks()), XmlFile::Access::OwnerOnly, why);
}
