#pragma once

// What the configuration editor opens: a clock's configuration, a group's, or
// a member clock's shown for its group (then sent to and stored in the group).
// Indices are the registry's; -1 is none.
struct EditTarget
{
    int groupIndex = -1;
    int clockIndex = -1;

    static EditTarget clock(int clockIndex) { return {-1, clockIndex}; }
    static EditTarget group(int groupIndex) { return {groupIndex, -1}; }
    static EditTarget groupFromClock(int groupIndex, int clockIndex) { return {groupIndex, clockIndex}; }
};
