#include "health/HealthWriter.h"

#include "model/ClockRegistry.h"
#include "model/DevClock.h"

namespace {

const ClockHealth well;

} // namespace

HealthWriter::HealthWriter(ClockRegistry &registry, QObject *parent)
    : QObject(parent)
{
    connect(&registry, &ClockRegistry::clockAboutToBeRemoved, this, [this, &registry](int index) {
        if (const DevClock *clock = registry.clockAt(index))
            m_clocks.remove(clock->id);
    });
    connect(&registry, &ClockRegistry::aboutToBeCleared, this, [this] { m_clocks.clear(); });
}

const ClockHealth &HealthWriter::of(const DevClock &clock) const
{
    const auto found = m_clocks.constFind(clock.id);
    return found != m_clocks.constEnd() && found->address == clock.network.ip ? found->health : well;
}

void HealthWriter::pollEnded(quint64 id, const PollOutcome &outcome)
{
    const int state = outcome.error != NoError ? ClockHealth::failedPollState(outcome.error) : outcome.ntpWord;
    // A reply that named no state says nothing of the clock's health.
    if (state < 0)
        return;
    Entry &entry = m_clocks[id];
    // Measured anew at another address; what was mailed about the old
    // episodes does not carry over.
    if (entry.address != outcome.address) {
        entry.address = outcome.address;
        entry.health.restart();
    }
    const ClockHealth before = entry.health;
    entry.health.apply(state, outcome.at);
    if (entry.health == before)
        return;
    const int due = entry.health.firstDueAlert();
    if (due != before.firstDueAlert() && due < ntpStatusCount)
        emit alertDue(id, due);
    if (before.hasDueAlert() && state == NtpSynchronized)
        emit recovered(id);
    emit changed(id);
}
