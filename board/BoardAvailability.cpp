#include "board/BoardAvailability.h"

#include "board/BoardJson.h"
#include "model/ClockRegistry.h"
#include "model/DevGroup.h"
#include "session/AvailabilityHistory.h"
#include "session/AvailabilityJson.h"
#include "session/ReportPeriod.h"

#include <QDebug>
#include <QUrlQuery>

#include <algorithm>

namespace {

// Behind the history reads and the lists a board polls for.
constexpr int reportPriority = -1;

HttpListener::Response answerOf(int status, const QByteArray &body, const QByteArray &extra = {})
{
    return {status, body, "Content-Type: application/json\r\nCache-Control: no-store\r\n" + extra, {}};
}

HttpListener::Response refusal(int status, const QString &why, const QByteArray &extra = {})
{
    return answerOf(status, BoardJson::compact({{QStringLiteral("error"), why}}), extra);
}

QString value(const QUrlQuery &query, const char *key)
{
    return query.queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
}

} // namespace

BoardAvailability::Query BoardAvailability::parse(const QUrlQuery &query, const QDateTime &now)
{
    Query parsed;
    parsed.oneGroup = query.hasQueryItem(QStringLiteral("group"));
    parsed.group = value(query, "group");
    if (query.hasQueryItem(QStringLiteral("period"))) {
        ReportPeriod::Kind kind{};
        const QString name = value(query, "period");
        if (!ReportPeriod::parseKind(name, &kind)) {
            parsed.error = QStringLiteral("period: \"%1\" is not day, week or month").arg(name);
            return parsed;
        }
        ReportPeriod range;
        if (query.hasQueryItem(QStringLiteral("at"))) {
            const QDateTime at = ReportPeriod::parseMoment(value(query, "at"));
            if (!at.isValid()) {
                parsed.error = QStringLiteral("at: \"%1\" is not a date like 2026-12-01").arg(value(query, "at"));
                return parsed;
            }
            range = ReportPeriod::containing(kind, at.toLocalTime().date());
        } else {
            range = ReportPeriod::lastComplete(kind, now);
        }
        parsed.from = range.from;
        parsed.to = range.to;
        return parsed;
    }
    QDateTime bounds[2];
    const char *const names[] = {"from", "to"};
    for (int i = 0; i < 2; ++i) {
        bounds[i] = ReportPeriod::parseMoment(value(query, names[i]));
        if (!bounds[i].isValid()) {
            parsed.error = QStringLiteral("%1: \"%2\" is not a date like 2026-12-01 or a date and time like "
                                          "2026-12-01T08:00:00")
                               .arg(QLatin1String(names[i]), value(query, names[i]));
            return parsed;
        }
    }
    parsed.from = bounds[0];
    parsed.to = bounds[1];
    if (parsed.to <= parsed.from)
        parsed.error = QStringLiteral("to must be after from");
    else if (parsed.from.secsTo(parsed.to) > qint64(maxDays) * 86400)
        parsed.error = QStringLiteral("the period is longer than %1 days").arg(maxDays);
    return parsed;
}

HttpListener::Response BoardAvailability::answer(const QUrlQuery &query, const ClockRegistry &registry,
                                                 const QString &folder)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const Query parsed = parse(query, now);
    if (!parsed.error.isEmpty())
        return refusal(400, parsed.error);
    if (parsed.oneGroup && !parsed.group.isEmpty()) {
        const QList<DevGroup *> groups = registry.groups();
        if (std::none_of(groups.cbegin(), groups.cend(), [&](const DevGroup *g) { return g->name() == parsed.group; }))
            return refusal(404, QStringLiteral("no group \"%1\"").arg(parsed.group));
    }
    if (isComputing()) {
        return refusal(503, QStringLiteral("another availability report is being computed"),
                       "Retry-After: " + QByteArray::number(retryAfterSecs) + "\r\n");
    }
    auto slot = std::make_shared<const int>(0);
    m_computing = slot;
    HttpListener::Response response;
    response.priority = reportPriority;
    response.work = [slot, parsed, folder, now,
                     clocks = AvailabilityHistory::clocksOf(registry)]() mutable -> HttpListener::Continuation {
        QString problem;
        AvailabilityReport::Result result =
            AvailabilityHistory::compute(folder, parsed.from, parsed.to, clocks, now, &problem);
        slot.reset();
        // The reason names local paths: for the log, not for browsers.
        if (!problem.isEmpty()) {
            qWarning().noquote() << "availability:" << problem;
            return [] { return refusal(503, QStringLiteral("the history cannot be read")); };
        }
        if (parsed.oneGroup)
            result = AvailabilityHistory::onlyGroup(result, parsed.group);
        const QByteArray body = BoardJson::compact(AvailabilityJson::document(result));
        return [body] { return answerOf(200, body); };
    };
    return response;
}
