#pragma once

#include "core/Language.h"
#include "values/TextCatalogue.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QVector>

#include <array>
#include <memory>

class ClockRegistry;
class DevClock;

// One clock as the board shows it, its JSON text already written. Never
// changed once made, so that a list can be put together from it on another
// thread while the list goes on changing.
struct BoardRow
{
    quint64 id = 0;
    // The version of the last change of what the page shows, and of the
    // last new status time (which alone is no change of the row).
    quint64 shownVersion = 0;
    quint64 timeVersion = 0;
    int severity = -1; // DevClock::ntpSeverity()
    QDateTime staleAt; // turning quiet or not: the row changes without a change of its clock
    // The JSON object in parts: head, the state text in the language asked
    // (as a JSON string, only for languages asked so far), the status time,
    // tail. What the page shows, apart from the state, is in head and tail.
    QByteArray head;
    std::array<QByteArray, LanguageManager::languageCount> state;
    QByteArray statusTime; // a JSON value: a string or null
    QByteArray tail;

    void appendTo(QByteArray &out, Language language) const;
};

// Every row as of one version: what a list document is built from.
struct BoardSnapshot
{
    quint64 firstVersion = 0; // versions below are from another run
    quint64 listVersion = 0;  // clocks last added or removed
    quint64 version = 0;
    QVector<std::shared_ptr<const BoardRow>> rows; // in the list's order
    QByteArray summary;                            // JSON, in the language asked
};

// The board's rows, kept on the list's thread: a clock announced as changed
// is read again only when a board asks, and gets a new version only when
// what the page shows of it changed.
class BoardRows
{
public:
    explicit BoardRows(ClockRegistry &registry);

    void noteChanged(quint64 clockId);
    // Clocks added, removed or reordered: every row is looked at again.
    void noteListChanged() { m_listDirty = true; }
    quint64 version() const { return m_version; }

    // The rows are looked at again at most this often, unless clocks were
    // added or removed: under a fleet whose clocks change on nearly every
    // poll, every board's ask would otherwise make a version of its own,
    // and no two boards' answers would be alike. 0: at every ask.
    static constexpr int defaultHoldMs = 1000;
    void setHoldMs(int ms) { m_holdMs = ms; }

    std::shared_ptr<const BoardSnapshot> snapshot(Language language);

private:
    class RecentTimes
    {
    public:
        static constexpr qint64 recentMs = 60 * 1000;
        static constexpr int steadyHours = 3;
        explicit RecentTimes(const QDateTime &now);
        QByteArray utcValue(const QDateTime &time) const;

    private:
        qint64 m_nowWallMs;
        qint64 m_offsetMs;
        bool m_steady;
    };
    // The previous row itself when nothing it holds changed.
    std::shared_ptr<const BoardRow> capture(const DevClock &clock, const std::shared_ptr<const BoardRow> &previous,
                                            const QDateTime &now, const RecentTimes &times);
    bool hasEveryLanguage(const BoardRow &row) const;
    void refresh(const QDateTime &now);

    ClockRegistry &m_registry;
    const quint64 m_firstVersion;
    quint64 m_version;
    quint64 m_listVersion;
    bool m_listDirty = true;
    QSet<quint64> m_dirty;
    QVector<std::shared_ptr<const BoardRow>> m_rows;
    // Languages asked so far: only their state texts are written.
    std::array<bool, LanguageManager::languageCount> m_languages{};
    std::array<TextCatalogue, LanguageManager::languageCount> m_texts;
    bool m_languageAdded = false;
    QDateTime m_nextStaleAt;
    int m_holdMs = defaultHoldMs;
    QElapsedTimer m_refreshed;
    bool m_summaryStale = true;
    quint64 m_summaryVersion = 0;
    struct Summary
    {
        quint64 version = 0;
        QByteArray json;
    };
    std::array<Summary, LanguageManager::languageCount> m_summaries;
};
