#pragma once

#include <QString>

class ClockRegistry;
struct NotificationSettings;

// Reading the state file into the registry and the notification settings,
// with the one account of what happened that the window and the command line
// both give.
namespace StateLoad {

enum class Outcome {
    Loaded,
    // No state file yet: an empty device list.
    Missing,
    // The file exists but gave nothing. message says where its bytes are
    // now; nothing may be saved over a file that was left in place.
    Unreadable,
};

struct Result
{
    Outcome outcome = Outcome::Missing;
    QString message;
    // The unread file is still at the state file's path.
    bool leftInPlace = false;
};

Result load(ClockRegistry &registry, NotificationSettings &settings);

} // namespace StateLoad
