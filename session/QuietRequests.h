#pragma once

#include "model/QuietHours.h"
#include "model/QuietPeriod.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileSystemWatcher>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class ClockRegistry;
class DevClock;

// Starting or lifting a quiet period for a clock or a group, or setting or
// clearing its weekly quiet hours. Whoever holds
// the device list applies it and keeps it in the state file; a second
// program (zentick-cli while the window or the monitor runs) cannot write the
// list, so it leaves the request as a small file in the data folder's
// "requests" folder, and the holder applies and removes it: only a regular
// file of its own user, in a folder no other user can write.
struct QuietRequest
{
    Q_DECLARE_TR_FUNCTIONS(QuietRequest)

public:
    bool mute = true;  // false: lift
    QString ip;        // a clock's address, or
    QString group;     // a group's name
    QuietPeriod period; // for mute
    // Sets (mute) or clears (lift) the target's weekly quiet hours instead
    // of its quiet period.
    bool weekly = false;
    QuietHours hours; // for a weekly mute

    // The clocks it touched, in list order; empty with error set when it
    // names nothing listed.
    struct Outcome
    {
        QList<DevClock *> clocks;
        QString error;
    };
    // On the list, now; the clocks and the group it changed are announced.
    Outcome apply(ClockRegistry &registry, const QDateTime &now) const;

    QByteArray toJson() const;
    static bool fromJson(const QByteArray &data, QuietRequest &request);
    // "2026-12-08 18:00", "2026-12-08T18:00:00", or a span from now: "90m",
    // "8h", "2d". Invalid when it is none of these or lies in the past.
    static QDateTime parseUntil(const QString &text, const QDateTime &now);

    static QString folder();
    // Leaves the request for the holder of the device list; false when the
    // file could not be written.
    bool leave(QString *path) const;
};

// The holder's side: picks up requests as they are left, applies them, and
// says which clocks changed so that they are journaled and the list saved.
class QuietRequestWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int pollMs = 2000;

    // Applies the requests to this list.
    explicit QuietRequestWatcher(ClockRegistry &registry, QObject *parent = nullptr);

    // Applies every request waiting now and removes its file.
    void applyWaiting();

signals:
    void applied(const QuietRequest &request, const QList<DevClock *> &clocks);

private:
    ClockRegistry &m_registry;
    QFileSystemWatcher m_watcher;
    // A watcher may miss a file written while it was being set up.
    QTimer m_poll;
    bool m_folderTrusted = true; // said once when it is not
};
