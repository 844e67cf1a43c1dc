#pragma once

#include "health/HealthWriter.h"
#include "model/DevClock.h"

// Polls that saw this NTP state, handed to the clock's health as the poller
// hands them (no connection and no authentication got no reply), and shown
// on the clock as the poller shows them.
inline void pollSaw(HealthWriter &health, DevClock &clock, int state, int times = 1)
{
    const bool replied = state != NtpNoConnection && state != NtpNoAuthentication;
    const Error error = replied ? NoError : state == NtpNoConnection ? ConnectionError : AuthorizationError;
    clock.status.NtpSynchronization = state;
    for (int i = 0; i < times; ++i)
        health.pollEnded(clock.id, {clock.network.ip, error, replied ? state : -1, QDateTime::currentDateTime()});
}
