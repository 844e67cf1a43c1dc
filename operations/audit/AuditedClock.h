#pragma once

#include "model/ClockConfig.h"
#include "model/ClockStatus.h"
#include "values/Error.h"
#include "operations/SenderTarget.h"

#include <QString>

#include <optional>

// One clock as listed when the audit started (the list may change while it
// runs). The fleet audit keeps this much of every clock until it ends; the
// configurations it downloads are audited as they arrive and then dropped.
struct AuditListing
{
    quint64 id = 0;
    int index = -1;
    QString name;
    QString ip;
    // As listed: the model code and the firmware (hundredths, 0 when never read).
    QString model;
    int firmware = 0;
    SenderTarget target;
    QString groupName;
};

// Everything the checks need of one clock: its listing, its group's
// configuration, and what the clock answered.
struct AuditedClock : AuditListing
{
    std::optional<ClockConfigFields> groupConfig; // none: no group, or one without a configuration

    // The download: NoError and every part decoded, or the failure's kind.
    bool downloaded = false;
    Error error = NoError;
    ClockConfigFields config;

    // A status read right after the download, for clocks that use NTP.
    bool statusAsked = false;
    Error statusError = NoError;
    ClockStatus status;
};
