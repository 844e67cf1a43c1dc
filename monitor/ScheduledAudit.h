#pragma once

#include <QObject>

class FleetAudit;

// An audit the monitor runs beside its own schedule (zentick-cli's daily
// audit mail): while there is one, the monitor's schedule audits only at start.
class ScheduledAudit : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Off (monitor --mail off): audits, mails nothing.
    virtual void setMailEnabled(bool enabled) = 0;
    // Waits for its time, runs, and waits again.
    virtual void start() = 0;

signals:
    // Every finished audit, before anything is mailed.
    void audited(const FleetAudit &audit);
};
