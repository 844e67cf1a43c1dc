#pragma once

#include "board/BoardAccess.h"
#include "board/BoardAvailability.h"
#include "board/BoardListBuilder.h"
#include "board/BoardRows.h"
#include "persistence/EventJournal.h"
#include "core/Language.h"
#include "http/HttpListener.h"

#include <QObject>
#include <QString>

#include <memory>

class ClockRegistry;
class HttpRequestParser;

// The status board and its read-only API, for the metrics listener's
// handler: the page at "/", and under /api/v1/ the clocks, a summary, one
// address's last events from the journal and the availability of a period
// (both read off the listener's thread).
// A clock announced as changed is read again at the next request, and its
// row gets a new version only when what the page shows of it changed; a
// complete list is put together from a snapshot of the rows on the
// listener's work threads, so a large fleet's list costs the list's thread
// only the clocks that changed.
class StatusBoard : public QObject
{
    Q_OBJECT

public:
    static constexpr int historyLength = 50;

    // Follows the changes the list announces.
    StatusBoard(ClockRegistry &registry, const QString &journalFolder, QObject *parent = nullptr);

    void setAccess(const BoardAccess &access) { m_access = access; }
    // A complete list is served again as it was built for this long: boards
    // that load at once share one build, and each page's next "since" brings
    // what changed meanwhile. 0 builds one for every new version.
    static constexpr int defaultCompleteListMaxAgeMs = BoardListBuilder::defaultCompleteListMaxAgeMs;
    void setCompleteListMaxAgeMs(int ms) { m_lists->setCompleteListMaxAgeMs(ms); }
    // How long one look at the rows serves every board (BoardRows::setHoldMs).
    void setSnapshotHoldMs(int ms) { m_rows.setHoldMs(ms); }
    HttpListener::Response handle(const HttpRequestParser &request);

    // The document of /api/v1/clocks (see BoardListBuilder::answer), built here.
    QByteArray clocksDocument(Language language, quint64 since);
    QByteArray summaryDocument(Language language) const;
    // The events as read from the journal (oldest first), newest first.
    static QByteArray eventsDocument(Language language, const QString &ip, const QList<ClockEvent> &events);

public slots:
    void noteChanged(quint64 clockId);
    void noteChangedClocks(const QList<quint64> &clockIds);

private:
    HttpListener::Response clocksAnswer(Language language, quint64 since, bool gzip);

    ClockRegistry &m_registry;
    QString m_journalFolder;
    BoardAccess m_access;
    BoardAvailability m_availability;
    BoardRows m_rows;
    // Shared with the work threads, which may outlive a request's board.
    std::shared_ptr<BoardListBuilder> m_lists = std::make_shared<BoardListBuilder>();
};
