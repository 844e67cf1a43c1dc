#pragma once

#include "health/ClockHealth.h"
#include "values/Error.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>

class ClockRegistry;
class DevClock;

// What one status poll of a clock came to.
struct PollOutcome
{
    QString address;          // where the clock was polled
    Error error = NoError;    // NoError: a reply came
    int ntpWord = -1;         // the NTP state the reply named; -1 for none or no reply that parsed
    QDateTime at;             // when the poll ended
};

// The one writer of every listed clock's health: the poller hands it each
// poll's outcome, and the mailer, the metrics, the journal and the poller's
// spacing read what it keeps. A clock's health belongs to the address it was
// measured at: a clock that moved starts afresh. Forgets the clocks that
// leave the list.
class HealthWriter : public QObject
{
    Q_OBJECT

public:
    explicit HealthWriter(ClockRegistry &registry, QObject *parent = nullptr);

    // The clock's health; all well for a clock never polled at its address.
    const ClockHealth &of(const DevClock &clock) const;

    void pollEnded(quint64 id, const PollOutcome &outcome);

signals:
    // The clock's first due alert became kind.
    void alertDue(quint64 id, int kind);
    // A clock with a due alert is synchronised again.
    void recovered(quint64 id);
    // Anything of the clock's health changed.
    void changed(quint64 id);

private:
    struct Entry
    {
        QString address;
        ClockHealth health;
    };

    QHash<quint64, Entry> m_clocks;
};
