#include "model/QuietHours.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr int minutesPerHour = 60;
constexpr int minutesPerDay = 24 * minutesPerHour;
constexpr qint64 secondsPerDay = 86400;
constexpr int daysPerWeek = 7;
// A stretch that lasts longer than a week lasts for ever.
constexpr int lookAheadDays = daysPerWeek + 1;
// The longest jump a zone ever made (a whole day skipped), with room.
constexpr int maxGapMinutes = minutesPerDay + minutesPerHour;

const char *const dayNames[daysPerWeek] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

int dayNumber(const QString &name)
{
    for (int i = 0; i < daysPerWeek; ++i) {
        if (name.compare(QLatin1String(dayNames[i]), Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

QString minuteText(int minute)
{
    return QStringLiteral("%1:%2")
        .arg(minute / minutesPerHour, 2, 10, QLatin1Char('0'))
        .arg(minute % minutesPerHour, 2, 10, QLatin1Char('0'));
}

} // namespace

bool QuietHours::Window::coversDay(int dayOfWeek) const
{
    return firstDay <= lastDay ? dayOfWeek >= firstDay && dayOfWeek <= lastDay
                               : dayOfWeek >= firstDay || dayOfWeek <= lastDay;
}

bool QuietHours::parseWindow(const QString &text, Window &window, QString &error)
{
    static const QRegularExpression shape(QStringLiteral(
        "^([A-Za-z]{3})(?:\\s*-\\s*([A-Za-z]{3}))?(?:\\s+(\\d{1,2}):(\\d{2})\\s*-\\s*(\\d{1,2}):(\\d{2}))?$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch()) {
        error = tr("\"%1\" is not a window like \"Mon-Fri 22:00-06:00\" or \"Sat-Sun\".").arg(text);
        return false;
    }
    window.firstDay = dayNumber(match.captured(1));
    window.lastDay = match.captured(2).isEmpty() ? window.firstDay : dayNumber(match.captured(2));
    if (window.firstDay == 0 || window.lastDay == 0) {
        error = tr("\"%1\": days are Mon, Tue, Wed, Thu, Fri, Sat and Sun.").arg(text);
        return false;
    }
    if (match.captured(3).isEmpty()) {
        window.startMinute = 0;
        window.endMinute = minutesPerDay;
        return true;
    }
    const int startHour = match.captured(3).toInt();
    const int startMinute = match.captured(4).toInt();
    const int endHour = match.captured(5).toInt();
    const int endMinute = match.captured(6).toInt();
    window.startMinute = startHour * minutesPerHour + startMinute;
    window.endMinute = endHour * minutesPerHour + endMinute;
    if (startHour > 23 || startMinute > 59 || endMinute > 59 || window.endMinute > minutesPerDay
        || window.endMinute == 0) {
        // 00:00 as an end is written 24:00: it reads as the same day's end.
        error = tr("\"%1\": times run from 00:00 to 23:59, an end up to 24:00.").arg(text);
        return false;
    }
    if (window.endMinute == window.startMinute) {
        error = tr("\"%1\" ends when it starts.").arg(text);
        return false;
    }
    return true;
}

QuietHours QuietHours::parse(const QString &windows, const QString &zoneId, QString *error)
{
    QString why;
    QuietHours hours;
    const QString zoneName = zoneId.trimmed().isEmpty() ? QString::fromLatin1(QTimeZone::systemTimeZoneId())
                                                        : zoneId.trimmed();
    if (windows.size() > maxTextLength || zoneName.size() > maxTextLength) {
        why = tr("Quiet hours are at most %1 characters.").arg(maxTextLength);
    } else {
        hours.m_zone = QTimeZone(zoneName.toLatin1());
        if (!hours.m_zone.isValid())
            why = tr("\"%1\" is not a time zone of this machine, like Europe/Berlin.").arg(zoneName);
    }
    const QStringList items = windows.split(QLatin1Char(','));
    if (why.isEmpty() && items.size() > maxWindows)
        why = tr("At most %1 windows.").arg(maxWindows);
    QStringList canonical;
    for (int i = 0; why.isEmpty() && i < items.size(); ++i) {
        const QString item = items.at(i).trimmed();
        if (item.isEmpty()) {
            why = tr("No window given, like \"Mon-Fri 22:00-06:00\".");
            break;
        }
        Window window;
        if (!parseWindow(item, window, why))
            break;
        QString text = QLatin1String(dayNames[window.firstDay - 1]);
        if (window.lastDay != window.firstDay)
            text += QLatin1Char('-') + QLatin1String(dayNames[window.lastDay - 1]);
        if (window.startMinute != 0 || window.endMinute != minutesPerDay)
            text += QLatin1Char(' ') + minuteText(window.startMinute) + QLatin1Char('-') + minuteText(window.endMinute);
        canonical << text;
        hours.m_windows << window;
    }
    if (!why.isEmpty()) {
        if (error)
            *error = why;
        QuietHours invalid;
        invalid.m_text = windows.trimmed().left(maxTextLength);
        if (!zoneId.trimmed().isEmpty())
            invalid.m_text += QStringLiteral(" (%1)").arg(zoneId.trimmed().left(maxTextLength));
        return invalid;
    }
    hours.m_text = canonical.join(QStringLiteral(", ")) + QStringLiteral(" (%1)").arg(zoneName);
    hours.m_memo = std::make_shared<Memo>();
    return hours;
}

QuietHours QuietHours::fromText(const QString &text, QString *error)
{
    if (text.trimmed().isEmpty())
        return QuietHours();
    // Not searched at all: no hours this program writes are that long.
    if (text.size() > 2 * maxTextLength) {
        if (error)
            *error = tr("Quiet hours are at most %1 characters.").arg(maxTextLength);
        QuietHours kept;
        kept.m_text = text;
        return kept;
    }
    static const QRegularExpression withZone(QStringLiteral("^(.*)\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch match = withZone.match(text);
    QuietHours hours = match.hasMatch() ? parse(match.captured(1), match.captured(2), error) : parse(text, QString(), error);
    if (!hours.isValid())
        hours.m_text = text; // kept as it came, for the next save
    return hours;
}

QDateTime QuietHours::wallClock(const QDate &date, int minute) const
{
    const QDate day = minute == minutesPerDay ? date.addDays(1) : date;
    const int inDay = minute % minutesPerDay;
    QDateTime at(day, QTime(inDay / minutesPerHour, inDay % minutesPerHour), m_zone);
    // A time the zone skips (the clock put forward) is no time at all to the
    // toolkit: the window starts or ends where the zone's day goes on.
    for (int step = 1; !at.isValid() && step <= maxGapMinutes; ++step) {
        const int later = inDay + step;
        at = QDateTime(day.addDays(later / minutesPerDay),
                       QTime((later % minutesPerDay) / minutesPerHour, later % minutesPerHour), m_zone);
    }
    return at.toUTC();
}

QList<QuietHours::Interval> QuietHours::intervalsWithin(const QDateTime &from, const QDateTime &to) const
{
    QList<Interval> found;
    if (!isValid() || !from.isValid() || !to.isValid() || from >= to)
        return found;
    const QDateTime fromUtc = from.toUTC();
    const QDateTime toUtc = to.toUTC();
    // A window of the day before may reach into the first day.
    const QDate last = toUtc.toTimeZone(m_zone).date();
    for (QDate day = fromUtc.toTimeZone(m_zone).date().addDays(-1); day <= last; day = day.addDays(1)) {
        for (const Window &window : m_windows) {
            if (!window.coversDay(day.dayOfWeek()))
                continue;
            const QDateTime start = wallClock(day, window.startMinute);
            const QDateTime end =
                wallClock(window.endMinute > window.startMinute ? day : day.addDays(1), window.endMinute);
            // Both inside one skipped hour: nothing is left of it.
            if (start >= end || end <= fromUtc || start >= toUtc)
                continue;
            found.append({std::max(start, fromUtc), std::min(end, toUtc)});
        }
    }
    std::sort(found.begin(), found.end(), [](const Interval &a, const Interval &b) { return a.from < b.from; });
    QList<Interval> joined;
    for (const Interval &interval : qAsConst(found)) {
        if (!joined.isEmpty() && interval.from <= joined.last().to)
            joined.last().to = std::max(joined.last().to, interval.to);
        else
            joined.append(interval);
    }
    return joined;
}

bool QuietHours::isQuietAt(const QDateTime &t) const
{
    return periodAt(t).on;
}

QuietHours::Answer QuietHours::answerAt(const QDateTime &t) const
{
    const QDateTime at = t.toUTC();
    {
        const std::lock_guard<std::mutex> locked(m_memo->lock);
        for (int i = 0; i < m_memo->known; ++i) {
            const Answer &known = m_memo->answers[i];
            if (known.from <= at && (!known.until.isValid() || at < known.until))
                return known;
        }
    }
    Answer answer{at, QDateTime(), QuietPeriod()};
    answer.period.weekly = true;
    QDateTime end = at;
    for (int day = 0; day < lookAheadDays; ++day) {
        const QDateTime horizon = end.addSecs(secondsPerDay);
        const QList<Interval> ahead = intervalsWithin(end, horizon);
        if (ahead.isEmpty() || ahead.constFirst().from > end)
            break;
        end = ahead.constFirst().to;
        answer.period.on = true;
        if (end < horizon) {
            answer.period.until = end.toLocalTime();
            answer.until = end;
            break;
        }
    }
    if (!answer.period.on) {
        const QList<Interval> ahead = intervalsWithin(at, at.addSecs(lookAheadDays * secondsPerDay));
        answer.period = QuietPeriod();
        if (!ahead.isEmpty())
            answer.until = ahead.constFirst().from;
    }
    const std::lock_guard<std::mutex> locked(m_memo->lock);
    m_memo->answers[m_memo->next] = answer;
    m_memo->next = (m_memo->next + 1) % Memo::capacity;
    m_memo->known = std::min(m_memo->known + 1, int(Memo::capacity));
    return answer;
}

QuietPeriod QuietHours::periodAt(const QDateTime &t) const
{
    if (!isValid() || !t.isValid())
        return QuietPeriod();
    return answerAt(t).period;
}

QDateTime QuietHours::nextChange(const QDateTime &t) const
{
    if (!isValid() || !t.isValid())
        return QDateTime();
    const QDateTime until = answerAt(t).until;
    return until.isValid() ? until.toLocalTime() : QDateTime();
}
