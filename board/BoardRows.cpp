#include "board/BoardRows.h"

#include "board/BoardJson.h"
#include "board/BoardLanguage.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/QuietPeriod.h"

#include <QJsonDocument>

#include <algorithm>

namespace {

size_t slotOf(Language language)
{
    return size_t(std::clamp(int(language), 0, LanguageManager::languageCount - 1));
}

qint64 wallMs(const QDateTime &time)
{
    // The local date and time read as they are: no time zone asked.
    return QDateTime(time.date(), time.time(), Qt::UTC).toMSecsSinceEpoch();
}

} // namespace

// A status time is local time, and turning one into UTC asks the C library,
// which looks at the zone file on disk each time: at a thousand polls a second
// that was most of the board's cost. A time of the last minute is turned
// with the offset of now when the offset has not changed for hours, so that
// no time of the repeated hour after a change is taken for another.
BoardRows::RecentTimes::RecentTimes(const QDateTime &now)
    : m_nowWallMs(wallMs(now))
    , m_offsetMs(qint64(now.offsetFromUtc()) * 1000)
    , m_steady(now.addSecs(-steadyHours * 3600).offsetFromUtc() == now.offsetFromUtc())
{
}

QByteArray BoardRows::RecentTimes::utcValue(const QDateTime &time) const
{
    if (m_steady && time.isValid() && time.timeSpec() == Qt::LocalTime) {
        const qint64 wall = wallMs(time);
        if (wall <= m_nowWallMs && wall > m_nowWallMs - recentMs)
            return BoardJson::utcValue(QDateTime::fromMSecsSinceEpoch(wall - m_offsetMs, Qt::UTC));
    }
    return BoardJson::utcValue(time);
}

void BoardRow::appendTo(QByteArray &out, Language language) const
{
    out += head;
    out += state[slotOf(language)];
    out += ",\"statusTime\":";
    out += statusTime;
    out += tail;
}

BoardRows::BoardRows(ClockRegistry &registry)
    : m_registry(registry)
    , m_firstVersion(quint64(QDateTime::currentMSecsSinceEpoch()))
    , m_version(m_firstVersion)
    , m_listVersion(m_firstVersion)
{
}

void BoardRows::noteChanged(quint64 clockId)
{
    m_dirty.insert(clockId);
}

std::shared_ptr<const BoardRow> BoardRows::capture(const DevClock &clock,
                                                   const std::shared_ptr<const BoardRow> &previous,
                                                   const QDateTime &now, const RecentTimes &times)
{
    auto row = std::make_shared<BoardRow>();
    row->id = clock.id;
    row->severity = clock.ntpSeverity();
    // The summary counts severities: built again only when one changed.
    if (!previous || previous->severity != row->severity)
        m_summaryStale = true;
    BoardJson::clockParts(clock, m_registry, now, &row->head, &row->tail);
    row->statusTime = times.utcValue(clock.status.lastStatusUpdate);
    bool sameShown = previous && previous->head == row->head && previous->tail == row->tail;
    for (size_t slot = 0; slot < m_languages.size(); ++slot) {
        if (!m_languages[slot])
            continue;
        BoardJson::appendString(row->state[slot], BoardJson::stateText(clock, m_texts[slot]));
        // A language asked for the first time is no change of the clock.
        if (sameShown && !previous->state[slot].isEmpty())
            sameShown = previous->state[slot] == row->state[slot];
    }
    const bool sameTime = sameShown && previous->statusTime == row->statusTime;
    if (sameTime && hasEveryLanguage(*previous))
        return previous;
    // Whether and until when it is quiet are in the head too (muted,
    // mutedUntil): a window starting or a period ending changes the row.
    const QDateTime quietChanges = m_registry.quietChangesAt(clock, now);
    if (quietChanges.isValid()) {
        row->staleAt = quietChanges;
        if (!m_nextStaleAt.isValid() || row->staleAt < m_nextStaleAt)
            m_nextStaleAt = row->staleAt;
    }
    // Only written in one more language: the same row for those who have it.
    row->timeVersion = sameTime ? previous->timeVersion : ++m_version;
    row->shownVersion = sameShown ? previous->shownVersion : row->timeVersion;
    return row;
}

bool BoardRows::hasEveryLanguage(const BoardRow &row) const
{
    for (size_t slot = 0; slot < m_languages.size(); ++slot) {
        if (m_languages[slot] && row.state[slot].isEmpty())
            return false;
    }
    return true;
}

void BoardRows::refresh(const QDateTime &now)
{
    const RecentTimes times(now);
    // A quiet period that ran out changes its rows though nothing was announced.
    if (m_nextStaleAt.isValid() && now >= m_nextStaleAt) {
        m_nextStaleAt = QDateTime();
        for (const auto &row : qAsConst(m_rows)) {
            if (!row->staleAt.isValid())
                continue;
            if (now >= row->staleAt)
                m_dirty.insert(row->id);
            else if (!m_nextStaleAt.isValid() || row->staleAt < m_nextStaleAt)
                m_nextStaleAt = row->staleAt;
        }
    }
    const QList<DevClock *> clocks = m_registry.clocks();
    if (m_listDirty || m_languageAdded || clocks.size() != m_rows.size()) {
        QHash<quint64, std::shared_ptr<const BoardRow>> before;
        before.reserve(m_rows.size());
        for (const auto &row : qAsConst(m_rows))
            before.insert(row->id, row);
        QVector<std::shared_ptr<const BoardRow>> rows;
        rows.reserve(clocks.size());
        for (const DevClock *clock : clocks) {
            const std::shared_ptr<const BoardRow> old = before.value(clock->id);
            const bool keep = old && hasEveryLanguage(*old) && !m_dirty.contains(clock->id);
            rows.append(keep ? old : capture(*clock, old, now, times));
        }
        m_rows = rows;
        if (m_listDirty || clocks.size() != before.size()) {
            m_listVersion = ++m_version;
            m_summaryStale = true;
        }
        m_listDirty = false;
        m_languageAdded = false;
    } else {
        for (const quint64 id : qAsConst(m_dirty)) {
            const DevClock *clock = m_registry.clockById(id);
            const int index = clock ? m_registry.indexOfClock(clock) : -1;
            if (index < 0)
                continue;
            if (m_rows.at(index)->id != id) {
                // Not where the list has it: look at every row again.
                m_listDirty = true;
                refresh(now);
                return;
            }
            m_rows[index] = capture(*clock, m_rows.at(index), now, times);
        }
    }
    m_dirty.clear();
}

std::shared_ptr<const BoardSnapshot> BoardRows::snapshot(Language language)
{
    const size_t slot = slotOf(language);
    if (!m_languages[slot]) {
        m_languages[slot] = true;
        m_texts[slot] = BoardLanguage::catalogue(Language(slot));
        m_languageAdded = true;
    }
    if (m_listDirty || m_languageAdded || !m_refreshed.isValid() || m_refreshed.elapsed() >= m_holdMs) {
        refresh(QDateTime::currentDateTime());
        m_refreshed.start();
    }
    if (m_summaryStale) {
        m_summaryVersion = m_version;
        m_summaryStale = false;
    }
    Summary &summary = m_summaries[slot];
    if (summary.json.isEmpty() || summary.version != m_summaryVersion) {
        summary.json = BoardJson::compact(BoardJson::summary(m_registry.clocks(), m_texts[slot]));
        summary.version = m_summaryVersion;
    }
    auto snapshot = std::make_shared<BoardSnapshot>();
    snapshot->firstVersion = m_firstVersion;
    snapshot->listVersion = m_listVersion;
    snapshot->version = m_version;
    snapshot->rows = m_rows;
    snapshot->summary = summary.json;
    return snapshot;
}
