#pragma once

#include <memory>
#include <vector>

class DevClock;
class DevGroup;

namespace StateFile {

// What a state file holds apart from the notification settings, in file order.
struct Lists
{
    std::vector<std::unique_ptr<DevClock>> clocks;
    std::vector<std::unique_ptr<DevGroup>> groups;

    Lists();
    ~Lists();
    Lists(Lists &&) noexcept;
    Lists &operator=(Lists &&) noexcept;
};

} // namespace StateFile
