#include "model/DevGroup.h"

DevGroup::DevGroup(QObject *parent)
    : QObject(parent)
{
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
