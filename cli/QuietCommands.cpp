#include "cli/QuietCommands.h"

#include "session/ClockEventText.h"
#include "health/HealthWriter.h"
#include "session/ClockEventTracker.h"
#include "cli/ClockPrinter.h"
#include "model/ClockRegistry.h"
#include "cli/CliSession.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "persistence/EventJournal.h"
#include "session/QuietRequests.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QThread>

namespace QuietCommands {

namespace {

// How long a request left for the holder of the device list may wait; it
// looks every few seconds.
constexpr int pickUpWaitMs = 10000;
constexpr int pickUpStepMs = 100;
const QString localTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

QString tr(const char *text)
{
    return QCoreApplication::translate("QuietCommands", text);
}

// Output is written in pieces of about this many characters.
constexpr int chunkChars = 64 * 1024;

// One event as QJsonDocument indents it as an element of {"events": [...]},
// so that the document can be written an event at a time.
QByteArray indentedElement(const ClockEvent &event, bool first)
{
    QByteArray element = QJsonDocument(QJsonDocument::fromJson(event.toJson()).object()).toJson(QJsonDocument::Indented);
    element.chop(1);
    element.replace("\n", "\n        ");
    return (first ? QByteArray("        ") : QByteArray(",\n        ")) + element;
}

// True when the text is a date and a time of day that this machine's time
// zone skips (the hour given away when daylight saving time begins): the
// toolkit reads such a time as no time at all.
bool inDaylightSavingGap(const QString &text)
{
    static const QRegularExpression dateAndTime(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})[ T](\\d{2}:\\d{2}(?::\\d{2})?)$"));
    const QRegularExpressionMatch match = dateAndTime.match(text.trimmed());
    if (!match.hasMatch())
        return false;
    const QDate date = QDate::fromString(match.captured(1), Qt::ISODate);
    const QTime time = QTime::fromString(match.captured(2), Qt::ISODate);
    return date.isValid() && time.isValid() && !QDateTime(date, time, Qt::LocalTime).isValid();
}

// A clock's address or a group, never both, never neither.
bool readTarget(CliSession &session, QuietRequest &request, QString &error)
{
    const CliInvocation &invocation = session.invocation();
    request.ip = invocation.arguments.value(0);
    request.group = invocation.option(QStringLiteral("group"));
    if (request.ip.isEmpty() == request.group.isEmpty()) {
        error = QStringLiteral("%1: give the clock's IP address or --group NAME")
                    .arg(request.mute ? QStringLiteral("mute") : QStringLiteral("unmute"));
        return false;
    }
    return true;
}

// The holder applies it and removes the file; false when nobody did in time.
bool leaveForHolder(const QuietRequest &request, QString &error)
{
    QString path;
    if (!request.leave(&path)) {
        error = tr("The request could not be written to %1.").arg(QuietRequest::folder());
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (QFile::exists(path) && waited.elapsed() < pickUpWaitMs)
        QThread::msleep(pickUpStepMs);
    if (QFile::exists(path)) {
        QFile::remove(path);
        error = tr("The program that holds the device list did not take the request.");
        return false;
    }
    return true;
}

enum class Quietness { Quiet, NotQuiet, NotListed };

// Whether an unmute of the request's target would lift anything now: only
// the target's own period counts (unmuting a clock leaves its group quiet).
Quietness quietness(const ClockRegistry &registry, const QuietRequest &request, const QDateTime &now)
{
    Quietness found = Quietness::NotListed;
    if (!request.group.isEmpty()) {
        for (const DevGroup *group : registry.groups()) {
            if (group->name() == request.group) {
                const bool quiet = request.weekly ? !group->quietHours.isEmpty() : group->quietPeriod.isActive(now);
                found = quiet ? Quietness::Quiet : Quietness::NotQuiet;
            }
        }
        return found;
    }
    for (const DevClock *clock : registry.clocks()) {
        if (clock->network.ip != request.ip)
            continue;
        if (request.weekly ? !clock->quietHours.isEmpty() : clock->quietPeriod.isActive(now))
            return Quietness::Quiet;
        found = Quietness::NotQuiet;
    }
    return found;
}

int run(CliSession &session, QuietRequest request)
{
    CliOutput &out = session.output();
    QString error;
    if (!readTarget(session, request, error))
        return session.usageError(error);
    const CliInvocation &invocation = session.invocation();
    const QDateTime now = QDateTime::currentDateTime();
    request.weekly = invocation.hasOption(QStringLiteral("weekly"));
    if (invocation.hasOption(QStringLiteral("zone")) && !request.weekly)
        return session.usageError(QStringLiteral("mute: --zone needs --weekly"));
    if (request.mute && request.weekly) {
        if (invocation.hasOption(QStringLiteral("until")))
            return session.usageError(QStringLiteral("mute: --until and --weekly exclude each other"));
        QString why;
        request.hours = QuietHours::parse(invocation.option(QStringLiteral("weekly")),
                                          invocation.option(QStringLiteral("zone")), &why);
        if (!request.hours.isValid())
            return session.usageError(QStringLiteral("mute: --weekly: ") + why);
    } else if (request.mute) {
        request.period = QuietPeriod::untilLifted();
        if (invocation.hasOption(QStringLiteral("until"))) {
            const QDateTime until = QuietRequest::parseUntil(invocation.option(QStringLiteral("until")), now);
            if (!until.isValid() && inDaylightSavingGap(invocation.option(QStringLiteral("until")))) {
                return session.usageError(QStringLiteral("mute: --until: \"%1\" does not exist in this time zone: "
                                                          "the clock is put forward past it")
                                               .arg(invocation.option(QStringLiteral("until"))));
            }
            if (!until.isValid()) {
                return session.usageError(QStringLiteral("mute: --until: \"%1\" is not a time to come like "
                                                          "\"2026-12-08 18:00\", 90m, 8h or 2d")
                                               .arg(invocation.option(QStringLiteral("until"))));
            }
            request.period = QuietPeriod::endingAt(until);
        }
    }

    const bool writable = session.loadState(CliSession::Access::Write, CliSession::Quietly::Yes) == ExitSuccess;
    if (!writable && session.lockHeldElsewhere()) {
        // Whether it names anything is seen on the list as last saved: the
        // holder saves the list whenever it applies a request.
        if (const int loaded = session.loadState(CliSession::Access::Read))
            return loaded;
    }
    // A clock named by its number stands for its address; an address several
    // listed clocks share would quiet them all, so it must be meant.
    if (!request.ip.isEmpty()) {
        QString failure;
        const QList<int> named = session.listedClocks(request.ip, failure);
        if (!failure.isEmpty())
            return out.failed(failure);
        if (named.size() > 1)
            return session.ambiguous(request.ip, named);
        if (!named.isEmpty())
            request.ip = session.registry().clockAt(named.constFirst())->network.ip;
    }
    const QString target = request.group.isEmpty() ? request.ip : tr("group %1").arg(request.group);
    const QString done = request.weekly
        ? (request.mute ? tr("%1 is quiet every %2.").arg(target, request.hours.toText())
                        : tr("%1 has no weekly quiet hours now.").arg(target))
        : request.mute
        ? (request.period.until.isValid()
               ? tr("%1 is quiet until %2.").arg(target, request.period.until.toString(QStringLiteral("yyyy-MM-dd hh:mm")))
               : tr("%1 is quiet until unmuted.").arg(target))
        : tr("%1 is no longer quiet.").arg(target);

    // Lifting what is not there would only journal a second "lifted".
    if ((writable || session.lockHeldElsewhere()) && !request.mute
        && quietness(session.registry(), request, now) == Quietness::NotQuiet) {
        out.document(QJsonObject{{QStringLiteral("quiet"), false},
                                 {QStringLiteral("ip"), request.ip},
                                 {QStringLiteral("group"), request.group},
                                 {QStringLiteral("changed"), false}});
        out.text(request.weekly ? tr("%1 has no weekly quiet hours; nothing changed.").arg(target)
                                : tr("%1 is not muted; nothing changed.").arg(target));
        return ExitSuccess;
    }

    if (writable) {
        const QuietRequest::Outcome outcome = request.apply(session.registry(), now);
        if (!outcome.error.isEmpty())
            return out.failed(outcome.error);
        QString journalProblem;
        {
            EventJournal journal(EventJournal::defaultFolder());
            // Only quiet periods are journaled here: no poll, so no health.
            const HealthWriter health(session.registry());
            ClockEventTracker tracker(session.registry(), health, journal);
            for (DevClock *clock : outcome.clocks)
                tracker.quietPeriodChanged(*clock, now);
            if (!journal.flush())
                journalProblem = journal.problem();
        }
        if (!session.saveState())
            return ExitFailed;
        // The quiet period holds; only its record is missing.
        if (!journalProblem.isEmpty()) {
            const QString said = done.endsWith(QLatin1Char('.')) ? done.chopped(1) : done;
            return out.failed(QStringLiteral("%1, but the history could not be written: %2").arg(said, journalProblem));
        }
    } else if (session.lockHeldElsewhere()) {
        // The window or the monitor has the list: it applies the request.
        const QuietRequest::Outcome outcome = request.apply(session.registry(), now);
        if (!outcome.error.isEmpty())
            return out.failed(outcome.error);
        if (!leaveForHolder(request, error))
            return out.failed(error);
    } else {
        return ExitFailed; // loadState said why
    }
    out.document(QJsonObject{{QStringLiteral("quiet"), request.mute},
                             {QStringLiteral("ip"), request.ip},
                             {QStringLiteral("group"), request.group},
                             {QStringLiteral("until"), request.period.toText()},
                             {QStringLiteral("weekly"), request.hours.toText()}});
    out.text(done);
    return ExitSuccess;
}

} // namespace

QDateTime parseSince(const QString &text, const QDateTime &now)
{
    static const QRegularExpression span(QStringLiteral("^(\\d{1,6})([mhd])$"));
    const QRegularExpressionMatch match = span.match(text.trimmed());
    if (match.hasMatch()) {
        const QDateTime ahead = QuietRequest::parseUntil(text, now);
        return ahead.isValid() ? now.addSecs(now.secsTo(ahead) * -1) : QDateTime();
    }
    const QDate day = QDate::fromString(text.trimmed(), Qt::ISODate);
    if (day.isValid())
        return QDateTime(day, QTime(0, 0));
    for (const QString &format : {QStringLiteral("yyyy-MM-dd hh:mm"), QStringLiteral("yyyy-MM-ddThh:mm"),
                                  QStringLiteral("yyyy-MM-dd hh:mm:ss"), QStringLiteral("yyyy-MM-ddThh:mm:ss")}) {
        const QDateTime time = QDateTime::fromString(text.trimmed(), format);
        if (time.isValid())
            return time;
    }
    return QDateTime();
}

int mute(CliSession &session)
{
    QuietRequest request;
    request.mute = true;
    return run(session, request);
}

int unmute(CliSession &session)
{
    QuietRequest request;
    request.mute = false;
    return run(session, request);
}

int events(CliSession &session)
{
    const CliInvocation &invocation = session.invocation();
    EventJournal::Filter filter;
    filter.ip = invocation.option(QStringLiteral("clock"));
    if (invocation.hasOption(QStringLiteral("changes")))
        filter.kind = int(ClockEvent::Kind::Changed);
    if (invocation.hasOption(QStringLiteral("since"))) {
        filter.since = parseSince(invocation.option(QStringLiteral("since")), QDateTime::currentDateTime());
        if (!filter.since.isValid()) {
            return session.usageError(QStringLiteral("events: --since: \"%1\" is not a date like 2026-12-01, a "
                                                      "date and time, or a span like 8h")
                                           .arg(invocation.option(QStringLiteral("since"))));
        }
    }
    // A year of a large site is ten million events: they are written as they
    // are read, never all held. The table measures its columns in a first
    // pass over the same state of the history.
    CliOutput &out = session.output();
    const bool json = out.json();
    const QStringList heads{tr("Time"), tr("Clock"), tr("IP"), tr("Event")};
    const auto cellsOf = [](const ClockEvent &event) {
        return QStringList{event.time.toLocalTime().toString(localTimeFormat), event.name, event.ip,
                           ClockEventText::describe(event)};
    };
    QVector<int> widths;
    ClockPrinter::widenColumns(widths, heads);
    qint64 count = 0;
    QString chunk;
    const auto write = [&](bool last) {
        if (!chunk.isEmpty() && (last || chunk.size() >= chunkChars)) {
            if (json)
                out.data(chunk.toUtf8(), false);
            else
                out.text(chunk);
            chunk.clear();
        }
    };
    const auto sink = [&](int pass, const ClockEvent &event) {
        if (json) {
            chunk += QString::fromUtf8(indentedElement(event, count == 0));
        } else if (pass == 0) {
            ClockPrinter::widenColumns(widths, cellsOf(event));
        } else {
            if (count == 0)
                chunk += ClockPrinter::formatRow(heads, widths);
            chunk += ClockPrinter::formatRow(cellsOf(event), widths);
        }
        if (json || pass > 0)
            ++count;
        write(false);
    };
    int damaged = 0;
    QString problem;
    if (json)
        chunk = QStringLiteral("{\n    \"events\": [\n");
    EventJournal::each(EventJournal::defaultFolder(), filter, json ? 1 : 2, sink, &damaged, &problem);
    // An unreadable history is not "No events"; what was printed of it stands.
    if (!problem.isEmpty())
        return out.failed(QStringLiteral("events: the history cannot be read: %1").arg(problem));
    if (json)
        chunk += count == 0 ? QStringLiteral("    ]\n}\n") : QStringLiteral("\n    ]\n}\n");
    write(true);
    if (damaged > 0)
        out.message(QStringLiteral("%1 damaged lines of the journal were skipped.").arg(damaged));
    if (count == 0 && !json)
        out.text(tr("No events."));
    return ExitSuccess;
}

} // namespace QuietCommands
