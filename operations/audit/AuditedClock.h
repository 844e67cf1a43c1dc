#pragma once

#include "model/ClockConfig.h"
#include "model/ClockStatus.h"
#include "values/Error.h"
#include "operations/SenderTarget.h"

#include <QString>

#include <optional>

// Everything the fleet audit learns about one clock: the listing as it was
// when the audit started (the list may change while it runs), its group's
// configuration, and what the clock answered.
struct AuditedClock
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
