#pragma once

#include "board/BoardAccess.h"
#include "persistence/EventJournal.h"
#include "core/Language.h"
#include "http/HttpListener.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>

#include <array>

class ClockRegistry;
class HttpRequestParser;

// The status board and its read-only API, for the metrics listener's
// handler: the page at "/", and under /api/v1/ the clocks, a summary and one
// address's last events from the journal (read off the listener's thread).
// Clocks are read from the registry at each request; the board remembers
// which changed when, so that a page asks for what changed since its last
// look, and keeps each row as last written, so that a complete list costs
// only the rows that changed.
class StatusBoard : public QObject
{
    Q_OBJECT

public:
    static constexpr int historyLength = 50;

    // Follows the changes the list announces.
    StatusBoard(ClockRegistry &registry, const QString &journalFolder, QObject *parent = nullptr);

    void setAccess(const BoardAccess &access) { m_access = access; }
    // A complete list is served again as it was built for this long: boards
    // that load at once share one build on the main thread, and each page's
    // next "since" brings what changed meanwhile. 0 builds every one.
    static constexpr int defaultCompleteListMaxAgeMs = 1000;
    void setCompleteListMaxAgeMs(int ms) { m_completeListMaxAgeMs = ms; }
    HttpListener::Response handle(const HttpRequestParser &request);

    // {"version", "complete", "clocks", "summary"}: every clock when since
    // is 0 or from another run, else those that changed after since.
    QByteArray clocksDocument(Language language, quint64 since);
    QByteArray summaryDocument(Language language) const;
    // The events as read from the journal (oldest first), newest first.
    static QByteArray eventsDocument(Language language, const QString &ip, const QList<ClockEvent> &events);

public slots:
    void noteChanged(quint64 clockId);
    void noteChangedClocks(const QList<quint64> &clockIds);

private:
    ClockRegistry &m_registry;
    QString m_journalFolder;
    BoardAccess m_access;
    // Starts at the run's start time in milliseconds, so that a version from
    // an earlier run is always older and gets a complete list.
    const quint64 m_firstVersion;
    quint64 m_version;
    QHash<quint64, quint64> m_changed; // clock id to the version of its last change
    int m_clockCount = -1;
    // Rows as last built, by language and clock id, with the version they
    // show: boards polling the same changes share one build of each row.
    struct BuiltRow
    {
        quint64 version = 0;
        QByteArray json;
        QDateTime staleAt; // when it next turns quiet or not; invalid: never by time alone
    };
    std::array<QHash<quint64, BuiltRow>, LanguageManager::languageCount> m_rows;
    struct CompleteList
    {
        QByteArray document;
        QElapsedTimer age;
        int clockCount = -1;
    };
    std::array<CompleteList, LanguageManager::languageCount> m_completeLists;
    int m_completeListMaxAgeMs = defaultCompleteListMaxAgeMs;
};
