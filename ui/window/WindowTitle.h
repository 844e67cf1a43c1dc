#pragma once

#include <QCoreApplication>
#include <QString>

class MonitoringSession;

// The window's title and what its tooltip says: a read-only window says so,
// and why; so does one whose device list or history cannot be written,
// until it can be again.
struct WindowTitle
{
    Q_DECLARE_TR_FUNCTIONS(WindowTitle)

public:
    QString text;
    QString why; // one reason a line

    // journalProblem: why the history cannot be written, empty when it can.
    static WindowTitle of(const MonitoringSession &session, const QString &journalProblem);
    static QString journalProblemText(const QString &problem);
};
