#pragma once

#include "notify/NotificationSettings.h"
#include "persistence/StateFile.h"

#include <QByteArray>
#include <QList>

// A copy of what the state file holds, made on the thread that owns the
// clocks and turned into the file's text on another: building the text of a
// long list takes far longer than copying it, and the other thread never
// reads a listed clock.
class StateSnapshot
{
public:
    StateSnapshot(const QList<DevClock *> &clocks, const QList<DevGroup *> &groups,
                  const NotificationSettings &settings);
    ~StateSnapshot();
    StateSnapshot(StateSnapshot &&) noexcept;

    // The same bytes StateFile::serialize gives for the originals.
    QByteArray serialize() const;

private:
    StateFile::Lists m_lists;
    NotificationSettings m_settings;
};
