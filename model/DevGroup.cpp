#include "model/DevGroup.h"

#include <atomic>

namespace {

quint64 nextMembersRevision()
{
    static std::atomic<quint64> next{1};
    return next.fetch_add(1);
}

} // namespace

DevGroup::DevGroup(QObject *parent)
    : QObject(parent)
    , m_membersRevision(nextMembersRevision())
{
}

void DevGroup::setClockIndexes(const QList<int> &indexes)
{
    m_clockIndexes = indexes;
    m_membersRevision = nextMembersRevision();
}

DevGroup::~DevGroup() = default;

bool DevGroup::setConfig(const ClockConfig &config)
{
    // Copy first: the source may be our own configuration.
    auto copy = ClockConfig::copy(config);
    copy->loaded = true;
    m_config = std::move(copy);
    return true;
}
