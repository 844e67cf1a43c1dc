#pragma once

#include "model/QuietPeriod.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

#include <memory>
#include <mutex>

// Weekly quiet hours of a clock or a group: windows such as "Mon-Fri
// 22:00-06:00, Sat-Sun" in a time zone (a wing switched off every night and
// every weekend), beside the one-off quiet periods. A window whose end is not
// after its start ends the next day; a day without times is the whole day.
// Times are wall-clock times of the zone, so a window keeps its hours across
// daylight-saving changes: a start the zone skips begins when the clock is put
// forward, and the night the clock goes back is an hour longer.
//
// Text read from a file that does not parse (or names a zone this machine
// does not know) is kept as it was, so that saving the list again loses
// nothing, but it never makes a clock quiet.
class QuietHours
{
    Q_DECLARE_TR_FUNCTIONS(QuietHours)

public:
    // Bounds against hostile files and requests.
    static constexpr int maxTextLength = 256;
    static constexpr int maxWindows = 14;

    struct Interval
    {
        QDateTime from; // UTC
        QDateTime to;   // UTC, exclusive
        friend bool operator==(const Interval &a, const Interval &b) { return a.from == b.from && a.to == b.to; }
    };

    QuietHours() = default;

    // Windows as "Mon-Fri 22:00-06:00, Sat-Sun" and a zone of the time-zone
    // database; an empty zone is this machine's. Invalid with a reason in
    // error when either is not understood.
    static QuietHours parse(const QString &windows, const QString &zoneId, QString *error = nullptr);
    // The state file's and the request's text: "Mon-Fri 22:00-06:00, Sat-Sun
    // (Europe/Berlin)"; empty for none.
    QString toText() const { return m_text; }
    static QuietHours fromText(const QString &text, QString *error = nullptr);

    bool isEmpty() const { return m_text.isEmpty(); }
    // Set, understood and so in force.
    bool isValid() const { return !m_windows.isEmpty(); }
    QString zoneId() const { return QString::fromLatin1(m_zone.id()); }

    bool isQuietAt(const QDateTime &t) const;
    // The quiet stretches that meet [from, to), joined where they touch and
    // cut at both ends, in time order.
    QList<Interval> intervalsWithin(const QDateTime &from, const QDateTime &to) const;
    // As a quiet period at t: ending when the stretch that holds t ends
    // (local time), without an end when the windows cover the whole week;
    // off when t is not in a window.
    QuietPeriod periodAt(const QDateTime &t) const;
    // When being quiet next starts or ends after t; invalid when never.
    QDateTime nextChange(const QDateTime &t) const;

    friend bool operator==(const QuietHours &a, const QuietHours &b) { return a.m_text == b.m_text; }

private:
    struct Window
    {
        int firstDay = 1; // 1 Monday … 7 Sunday, as QDate::dayOfWeek
        int lastDay = 1;  // may be before firstDay: "Fri-Mon"
        int startMinute = 0;
        int endMinute = 0; // 1 … 1440; not after startMinute: the next day
        bool coversDay(int dayOfWeek) const;
    };

    // The answer at a moment holds until the next change: a scrape of ten
    // thousand clocks whose groups share hours works it out once, not per
    // clock. Shared by copies (a snapshot on a worker thread), so locked.
    struct Answer
    {
        QDateTime from;  // UTC
        QDateTime until; // UTC, the next change; invalid: none ever
        QuietPeriod period;
    };
    // A few answers: the clock list also asks at the end of a stretch,
    // to join what follows it.
    struct Memo
    {
        static constexpr int capacity = 4;
        std::mutex lock;
        int known = 0;
        int next = 0;
        Answer answers[capacity];
    };

    static bool parseWindow(const QString &text, Window &window, QString &error);
    QDateTime wallClock(const QDate &date, int minute) const;
    Answer answerAt(const QDateTime &t) const;

    QString m_text;
    QTimeZone m_zone;
    QList<Window> m_windows;
    std::shared_ptr<Memo> m_memo; // only for understood hours
};
