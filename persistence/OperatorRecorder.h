#pragma once

#include "persistence/ClockEvent.h"

class EventJournal;

// Writes an operator's change to a clock into the history, naming the
// operating-system user and host it came from. One for every place that
// writes to clocks, handed down with the journal.
class OperatorRecorder
{
public:
    explicit OperatorRecorder(EventJournal &journal);

    // change's user and host are filled in here.
    void record(const QString &ip, const QString &name, const QString &group, OperatorChange change);
    // The history holds every change recorded so far.
    bool flush();

    static QString currentUser();
    static QString currentHost();

private:
    EventJournal &m_journal;
    QString m_user;
    QString m_host;
};
