#pragma once

#include "notify/NotificationSettings.h"
#include "persistence/StateFile.h"

#include <QList>

// Deterministic records for the state-file tests and the benchmark: every
// stored field away from its default, so a field lost on the way shows.
namespace StateSamples {

struct Sample
{
    StateFile::Lists lists;
    NotificationSettings settings;

    QList<DevClock *> clocks() const;
    QList<DevGroup *> groups() const;
    QByteArray serialize() const;
};

// The golden registry: a clock with a configuration, one without, one with a
// network interface; a group with a configuration, one without; settings
// with a non-ASCII password and two recipients.
Sample golden();

// clockCount clocks, each with a full configuration and an interface,
// groupCount groups of consecutive clocks, each with a configuration, and
// recipientCount recipients.
Sample large(int clockCount, int groupCount, int recipientCount);

} // namespace StateSamples
