#include "session/ChangeClocksFlow.h"

#include "model/ClockRegistry.h"
#include "model/CsvCell.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "persistence/ChangeRunFile.h"
#include "persistence/XmlFile.h"
#include "session/ChangeRunModel.h"

#include <QSet>

namespace {

using State = ClockChange::State;

} // namespace

ChangeClocksFlow::ChangeClocksFlow(Communication &exchanges, QObject *parent)
    : QObject(parent)
    , m_exchanges(exchanges)
    , m_saver(ChangeRunFile::save)
    , m_preview(new ChangeRunModel(ChangeRunModel::Mode::Preview, this))
    , m_result(new ChangeRunModel(ChangeRunModel::Mode::Result, this))
{
}

ChangeClocksFlow::~ChangeClocksFlow() = default;

void ChangeClocksFlow::setClocks(const ClockRegistry &registry, const QList<DevClock *> &clocks)
{
    m_clocks.clear();
    QSet<const DevClock *> seen;
    for (const DevClock *clock : clocks) {
        if (!clock || seen.contains(clock))
            continue;
        seen.insert(clock);
        ClockChange change;
        change.ip = clock->network.ip;
        change.name = clock->name;
        change.target = SenderTarget::fromClock(*clock);
        if (const DevGroup *group = registry.groupOfClock(clock); group && group->hasConfig())
            change.groupConfig = static_cast<const ClockConfigFields &>(*group->config());
        m_clocks.append(change);
    }
}

void ChangeClocksFlow::setWaves(int canary, int wave, int maxFailed)
{
    m_canary = qMax(0, canary);
    m_wave = qMax(0, wave);
    m_maxFailed = qMax(-1, maxFailed);
}

const ChangeRunState *ChangeClocksFlow::state() const
{
    return m_run ? &m_run->state() : nullptr;
}

int ChangeClocksFlow::plannedCount() const
{
    return m_run ? m_run->plannedCount() : 0;
}

QString ChangeClocksFlow::saveError() const
{
    return m_run ? m_run->saveError() : QString();
}

bool ChangeClocksFlow::preview()
{
    if (isBusy() || m_clocks.isEmpty() || (m_recipe.kind == ChangeRecipe::Kind::Set && m_recipe.values.isEmpty()))
        return false;
    ChangeRunState state;
    state.id = ChangeRunState::newId();
    state.created = QDateTime::currentDateTimeUtc();
    state.recipe = m_recipe;
    state.canary = m_canary;
    state.wave = m_wave;
    state.maxFailed = m_maxFailed;
    state.clocks = m_clocks;
    m_preview->setState(nullptr);
    m_result->setState(nullptr);
    m_run = std::make_unique<ChangeRun>(m_exchanges, state);
    connect(m_run.get(), &ChangeRun::progress, this, &ChangeClocksFlow::progressChanged);
    connect(m_run.get(), &ChangeRun::progress, this, [this](int done, int total) {
        if (m_phase == Phase::Planning)
            setStatus(tr("Reading configurations: %1 of %2 clocks").arg(done).arg(total));
    });
    connect(m_run.get(), &ChangeRun::planned, this, &ChangeClocksFlow::onPlanned);
    connect(m_run.get(), &ChangeRun::waveStarted, this, [this](int number, int clocks) {
        setStatus(tr("Wave %1: %2 clocks").arg(number).arg(clocks));
    });
    connect(m_run.get(), &ChangeRun::clockFinished, this, &ChangeClocksFlow::onClockFinished);
    connect(m_run.get(), &ChangeRun::finished, this, &ChangeClocksFlow::onFinished);
    setPhase(Phase::Planning);
    setStatus(tr("Reading configurations: %1 of %2 clocks").arg(0).arg(m_clocks.size()));
    m_run->plan();
    return true;
}

void ChangeClocksFlow::onPlanned()
{
    if (m_phase != Phase::Planning)
        return;
    m_preview->setState(&m_run->state());
    setPhase(Phase::Planned);
    setStatus(tr("Change run %1: %2 of %3 clocks to change.")
                  .arg(m_run->state().id)
                  .arg(m_run->plannedCount())
                  .arg(m_run->state().clocks.size()));
}

bool ChangeClocksFlow::apply()
{
    if (m_phase != Phase::Planned || !m_run || m_run->plannedCount() == 0)
        return false;
    m_run->setSaver(m_saver);
    m_result->setState(&m_run->state());
    setPhase(Phase::Applying);
    emit progressChanged(0, m_run->plannedCount());
    m_run->apply();
    return true;
}

void ChangeClocksFlow::stop()
{
    if (m_phase != Phase::Applying)
        return;
    m_run->stop();
    setStatus(tr("Stopping after the wave under way…"));
}

void ChangeClocksFlow::reset()
{
    if (isBusy())
        return;
    m_preview->setState(nullptr);
    m_result->setState(nullptr);
    m_run.reset();
    setPhase(Phase::Choosing);
    setStatus(QString());
}

void ChangeClocksFlow::showRun(const ChangeRunState &state, bool applied)
{
    if (isBusy())
        return;
    m_clocks = state.clocks;
    m_recipe = state.recipe;
    m_run = std::make_unique<ChangeRun>(m_exchanges, state);
    m_phase = Phase::Planning;
    if (applied) {
        int sent = 0;
        for (const ClockChange &clock : state.clocks)
            sent += clock.state == State::Verified || clock.state == State::Failed ? 1 : 0;
        m_phase = Phase::Applying;
        emit progressChanged(sent, sent);
        onFinished();
    } else {
        onPlanned();
    }
}

void ChangeClocksFlow::onClockFinished(int index)
{
    const ClockChange &clock = m_run->state().clocks.at(index);
    if (m_recorder) {
        // In the history as soon as it is done: a window closed later keeps it.
        OperatorChange change;
        change.operation = QStringLiteral("change");
        change.run = m_run->state().id;
        for (const FieldChange &field : clock.changes)
            change.fields.append({field.field, field.before, field.after});
        change.done = clock.state == State::Verified;
        change.reason = change.done ? QString() : clock.error;
        m_recorder(clock.ip, change);
    }
    m_result->clockChanged(index);
}

void ChangeClocksFlow::onFinished()
{
    if (m_phase != Phase::Applying)
        return;
    m_result->setState(&m_run->state());
    int verified = 0;
    for (const ClockChange &clock : m_run->state().clocks)
        verified += clock.state == State::Verified ? 1 : 0;
    QString text = tr("Change run %1: %2 verified of %3 clocks.")
                       .arg(m_run->state().id)
                       .arg(verified)
                       .arg(m_run->state().clocks.size());
    if (m_run->state().stopped)
        text += QLatin1Char(' ') + tr("Stopped between waves; zentick-cli change --resume %1 goes on with it.")
                                       .arg(m_run->state().id);
    if (!m_run->saveError().isEmpty())
        text += QLatin1Char(' ') + tr("The run could not be kept: %1").arg(m_run->saveError());
    setPhase(Phase::Finished);
    setStatus(text);
}

void ChangeClocksFlow::setPhase(Phase phase)
{
    if (m_phase == phase)
        return;
    m_phase = phase;
    emit phaseChanged(phase);
}

void ChangeClocksFlow::setStatus(const QString &text)
{
    m_status = text;
    emit statusChanged(text);
}

QByteArray ChangeClocksFlow::resultCsv() const
{
    QByteArray csv = "clock,ip,fields,before,after,verified,state,error\n";
    const ChangeRunState *run = state();
    for (int i = 0; run && i < run->clocks.size(); ++i) {
        const ClockChange &clock = run->clocks.at(i);
        QStringList fields;
        QStringList before;
        QStringList after;
        for (const FieldChange &change : clock.changes) {
            fields << change.field;
            before << (change.before.isEmpty() ? QStringLiteral("\"\"") : change.before);
            after << (change.after.isEmpty() ? QStringLiteral("\"\"") : change.after);
        }
        const QStringList cells{clock.name,
                                clock.ip,
                                fields.join(QStringLiteral("; ")),
                                before.join(QStringLiteral("; ")),
                                after.join(QStringLiteral("; ")),
                                clock.state == State::Verified ? QStringLiteral("yes") : QStringLiteral("no"),
                                ClockChange::stateKey(clock.state),
                                ChangeRunModel::errorText(clock)};
        csv += CsvCell::line(cells);
    }
    return csv;
}

bool ChangeClocksFlow::exportCsv(const QString &path, QString *why) const
{
    return XmlFile::write(path, resultCsv(), XmlFile::Access::OwnerOnly, why);
}
