#pragma once

// Debounces one kind of alert: a failure must be seen on several polls in a
// row before its counter reaches the limit and a mail is due.
struct AlertCounter
{
    int limit = 60;
    int maxMails = 3;
    int counter = 0;
    int mailsSent = 0;
    bool mailDelivered = false;

    // Moves the counter; at or below 0 the record starts afresh, above the
    // limit it stays at the limit.
    void adjust(int delta)
    {
        // Widened so a large step or limit cannot overflow.
        const long long next = static_cast<long long>(counter) + delta;
        if (next <= 0) {
            counter = 0;
            mailsSent = 0;
            mailDelivered = false;
        } else if (next > limit) {
            counter = limit;
        } else {
            counter = static_cast<int>(next);
        }
    }

    bool isDue() const { return counter == limit; }
};
