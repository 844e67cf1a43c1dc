#pragma once

#include "http/HttpListener.h"

#include <QDateTime>
#include <QString>

#include <memory>

class ClockRegistry;
class QUrlQuery;

// /api/v1/availability: the availability figures of a period as
// `report availability --json` writes them. The period is from=&to= (ISO
// dates or dates and times) or period=day|week|month, the last complete one
// or with at=DATE the one holding that date; group= keeps one group. The
// history is read on the listener's work threads, one report at a time: a
// month of a large site takes seconds, and two at once would hold up every
// history a board asks for.
class BoardAvailability
{
public:
    // A longer period is refused: a year and a month is what the reports need.
    static constexpr int maxDays = 400;
    // Told to a request that comes while another report is being computed.
    static constexpr int retryAfterSecs = 5;

    struct Query
    {
        QDateTime from; // UTC
        QDateTime to;   // UTC, not included
        QString group;
        bool oneGroup = false;
        QString error; // why the request was refused; empty when it was taken
    };
    static Query parse(const QUrlQuery &query, const QDateTime &now);

    // The clocks and groups are read here, on the list's thread.
    HttpListener::Response answer(const QUrlQuery &query, const ClockRegistry &registry, const QString &folder);
    bool isComputing() const { return !m_computing.expired(); }

private:
    // Held by the report being computed, wherever it runs.
    std::weak_ptr<const int> m_computing;
};
