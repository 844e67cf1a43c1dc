#pragma once

#include "model/QuietHours.h"
#include "persistence/ClockEvent.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>

// How available and how well synchronised the clocks were over [from, to),
// from the history of events. Time is sorted into four: answering (and, of
// that, synchronised), not answering, quiet (a quiet period or weekly quiet
// hours: shown apart, left out of the shares) and unknown (the monitor was not
// running, or the moment lies ahead: never counted as available). A clock
// starts from the state its last earlier event left; one whose history begins
// inside the period counts from its first event. While the monitor runs, a
// clock is taken as answering and synchronised until an event says otherwise,
// as the event tracker does. A run that ends without a record (a crash) is
// taken to have ended with the last event written before the next start.
class AvailabilityReport
{
public:
    // A clock on the list: who it is and the weekly hours that make it quiet
    // (its own and its group's).
    struct Clock
    {
        QString ip;
        QString name;
        QString group;
        QList<QuietHours> quietHours;
    };

    struct Figures
    {
        QString name; // the clock's, the group's, empty for the site
        QString ip; // clocks only
        QString group; // clocks only
        int clocks = 0;
        qint64 answeringSecs = 0;
        qint64 synchronisedSecs = 0; // answering with NTP synchronised
        qint64 downSecs = 0;
        qint64 quietSecs = 0;
        qint64 unknownSecs = 0;
        int incidents = 0;
        qint64 longestIncidentSecs = 0;
        // Shares of the counted time (answering + down), -1 when none was counted.
        double answeringShare() const;
        double synchronisedShare() const;
        // Mean time to recovery: the incidents' total over their count, -1 without
        // any.
        qint64 meanRecoverySecs() const { return incidents > 0 ? downSecs / incidents : -1; }
        qint64 countedSecs() const { return answeringSecs + downSecs; }
        void add(const Figures &other);
    };

    // One stretch a clock did not answer within the period (cut to it; quiet
    // time inside is not taken out), one per incident: a stretch wholly inside
    // quiet time is none. An outage still going at the period's end (or now)
    // ends there, with ongoing set; one whose end the monitor did not see (it
    // stopped) ends with the monitor.
    struct Outage
    {
        QString ip;
        QString name;
        QString group;
        QDateTime start;
        QDateTime end;
        bool ongoing = false;
        qint64 secs() const { return start.secsTo(end); }
    };

    struct Result
    {
        QDateTime from;
        QDateTime to;
        QList<Outage> outages; // by start, then clock
        QList<Figures> clocks; // in the order given, then clocks known only from the history, by address
        QList<Figures> groups; // by name
        Figures site;
    };

    // The figures from the history handed over one event at a time, oldest
    // first, so that a long history never has to be held: events before from
    // only set each clock's state, later ones than to are ignored. A clock
    // known only from the history is named as its newest event names it.
    class Tally
    {
    public:
        Tally(const QDateTime &from, const QDateTime &to, const QList<Clock> &clocks, const QDateTime &now);
        ~Tally();
        Tally(const Tally &) = delete;
        Tally &operator=(const Tally &) = delete;
        void add(const ClockEvent &event);
        Result result();

    private:
        struct Data;
        std::unique_ptr<Data> d;
    };

    // events: the history, oldest first (later ones are ignored); now: where
    // the known time ends.
    static Result compute(const QDateTime &from, const QDateTime &to, const QList<Clock> &clocks,
                          const QList<ClockEvent> &events, const QDateTime &now);
};
