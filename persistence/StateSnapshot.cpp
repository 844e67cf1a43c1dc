#include "persistence/StateSnapshot.h"

#include "model/ClockConfig.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"

StateSnapshot::StateSnapshot(const QList<DevClock *> &clocks, const QList<DevGroup *> &groups,
                             const NotificationSettings &settings)
    : m_settings(settings)
{
    m_lists.clocks.reserve(size_t(clocks.size()));
    for (const DevClock *clock : clocks) {
        // Every field the state file holds, and only those.
        auto copy = std::make_unique<DevClock>();
        copy->groupId = clock->groupId;
        copy->name = clock->name;
        copy->user = clock->user;
        copy->password = clock->password;
        copy->firmware = clock->firmware;
        copy->productCode = clock->productCode;
        copy->deviceCode = clock->deviceCode;
        copy->quietPeriod = clock->quietPeriod;
        copy->quietHours = clock->quietHours;
        copy->status = clock->status;
        copy->network = clock->network;
        copy->mac = clock->mac;
        copy->networkInterface = clock->networkInterface;
        if (clock->hasConfig())
            copy->setConfig(clock->config());
        m_lists.clocks.push_back(std::move(copy));
    }
    m_lists.groups.reserve(size_t(groups.size()));
    for (const DevGroup *group : groups) {
        auto copy = std::make_unique<DevGroup>();
        copy->setName(group->name());
        copy->quietPeriod = group->quietPeriod;
        copy->quietHours = group->quietHours;
        copy->setClockIndexes(group->clockIndexes());
        if (const ClockConfig *config = group->config())
            copy->setConfig(*config);
        m_lists.groups.push_back(std::move(copy));
    }
}

StateSnapshot::~StateSnapshot() = default;
StateSnapshot::StateSnapshot(StateSnapshot &&) noexcept = default;

QByteArray StateSnapshot::serialize() const
{
    QList<DevClock *> clocks;
    clocks.reserve(int(m_lists.clocks.size()));
    for (const auto &clock : m_lists.clocks)
        clocks.append(clock.get());
    QList<DevGroup *> groups;
    for (const auto &group : m_lists.groups)
        groups.append(group.get());
    return StateFile::serialize(clocks, groups, m_settings);
}
