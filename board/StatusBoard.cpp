#include "board/StatusBoard.h"

#include "board/BoardJson.h"
#include "board/BoardLanguage.h"
#include "board/BoardPage.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "http/HttpGzip.h"
#include "http/HttpRequestParser.h"

#include <QDateTime>
#include <QDebug>
#include <QHostAddress>
#include <QJsonDocument>
#include <QUrlQuery>

static void registerBoardResources()
{
    Q_INIT_RESOURCE(board);
}

namespace {

const QByteArray apiPrefix = "/api/v1/";
const QByteArray eventsSuffix = "/events";

HttpListener::Response json(const QByteArray &body)
{
    return {200, body, "Content-Type: application/json\r\nCache-Control: no-store\r\nVary: Accept-Language\r\n",
            {}};
}

// Compressed once for many boards, it goes as it is.
HttpListener::Response listAnswer(const BoardListBuilder::Body &body)
{
    HttpListener::Response answer = json(body.bytes);
    if (body.gzipped)
        answer.headers += "Content-Encoding: gzip\r\nVary: Accept-Encoding\r\n";
    return answer;
}

} // namespace

StatusBoard::StatusBoard(ClockRegistry &registry, const QString &journalFolder, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
    , m_journalFolder(journalFolder)
    , m_rows(registry)
{
    static const bool registered = (registerBoardResources(), true);
    Q_UNUSED(registered);
    connect(&registry, &ClockRegistry::clockChanged, this, [this](int index) {
        if (const DevClock *clock = m_registry.clockAt(index))
            noteChanged(clock->id);
    });
    // A group renamed or its quiet period changed shows in its clocks' rows.
    connect(&registry, &ClockRegistry::groupsChanged, this, [this] {
        for (const DevClock *clock : m_registry.clocks())
            noteChanged(clock->id);
    });
    connect(&registry, &ClockRegistry::clockAdded, this, [this] { m_rows.noteListChanged(); });
    connect(&registry, &ClockRegistry::clockRemoved, this, [this] { m_rows.noteListChanged(); });
    connect(&registry, &ClockRegistry::cleared, this, [this] { m_rows.noteListChanged(); });
}

void StatusBoard::noteChanged(quint64 clockId)
{
    m_rows.noteChanged(clockId);
}

void StatusBoard::noteChangedClocks(const QList<quint64> &clockIds)
{
    for (quint64 id : clockIds)
        noteChanged(id);
}

HttpListener::Response StatusBoard::handle(const HttpRequestParser &request)
{
    if (!m_access.allows(request.header("Authorization")))
        return {401, QByteArray(), "WWW-Authenticate: Bearer\r\n", {}};
    const QUrlQuery query(QString::fromLatin1(request.query()));
    const Language language = BoardLanguage::choose(query.queryItemValue(QStringLiteral("lang")).toLatin1(),
                                                    request.header("Accept-Language"));
    const QByteArray path = request.path();
    if (!path.startsWith(apiPrefix))
        return BoardPage::asset(path, language);
    const QByteArray what = path.mid(apiPrefix.size());
    if (what == "clocks")
        return clocksAnswer(language, query.queryItemValue(QStringLiteral("since")).toULongLong(),
                            HttpGzip::accepted(request.header("Accept-Encoding")));
    if (what == "summary")
        return json(summaryDocument(language));
    if (what == "availability")
        return m_availability.answer(query, m_registry, m_journalFolder);
    if (what.startsWith("clocks/") && what.endsWith(eventsSuffix)) {
        const QByteArray address = QByteArray::fromPercentEncoding(
            what.mid(int(qstrlen("clocks/")), what.size() - int(qstrlen("clocks/")) - eventsSuffix.size()));
        if (!QHostAddress().setAddress(QString::fromLatin1(address)))
            return {};
        // Read from the history on the listener's work threads; only the
        // few events found come back to its thread, and polls go on.
        const QString ip = QString::fromLatin1(address);
        HttpListener::Response response;
        response.work = [folder = m_journalFolder, ip, language]() -> HttpListener::Continuation {
            EventJournal::Filter filter;
            filter.ip = ip;
            filter.limit = historyLength;
            QString problem;
            const QList<ClockEvent> events = EventJournal::read(folder, filter, nullptr, &problem);
            // The reason names local paths: for the log, not for browsers.
            if (!problem.isEmpty()) {
                qWarning().noquote() << problem;
                return [] { return HttpListener::Response{503, QByteArray(), "Cache-Control: no-store\r\n", {}}; };
            }
            return [language, ip, events] { return json(eventsDocument(language, ip, events)); };
        };
        return response;
    }
    return {};
}

HttpListener::Response StatusBoard::clocksAnswer(Language language, quint64 since, bool gzip)
{
    const std::shared_ptr<const BoardSnapshot> snapshot = m_rows.snapshot(language);
    // What changed since a page's last look is put together here, once
    // for the boards that ask with the same since: through the work
    // threads, every board's poll would count against the listener's few
    // busy requests of one peer, and boards behind one proxy would be
    // turned away.
    if (!BoardListBuilder::isComplete(*snapshot, since))
        return listAnswer(m_lists->changes(*snapshot, language, since, gzip));
    HttpListener::Response response;
    // Before a history read that may go through a large journal.
    response.priority = 1;
    response.shared = true;
    response.work = [lists = m_lists, snapshot, language, since, gzip]() -> HttpListener::Continuation {
        const BoardListBuilder::Body body = lists->answer(*snapshot, language, since, gzip);
        return [body] { return listAnswer(body); };
    };
    return response;
}

QByteArray StatusBoard::clocksDocument(Language language, quint64 since)
{
    const std::shared_ptr<const BoardSnapshot> snapshot = m_rows.snapshot(language);
    if (!BoardListBuilder::isComplete(*snapshot, since))
        return m_lists->changes(*snapshot, language, since, false).bytes;
    return m_lists->answer(*snapshot, language, since, false).bytes;
}

QByteArray StatusBoard::summaryDocument(Language language) const
{
    return BoardJson::compact(BoardJson::summary(m_registry.clocks(), BoardLanguage::catalogue(language)));
}

QByteArray StatusBoard::eventsDocument(Language language, const QString &ip, const QList<ClockEvent> &events)
{
    return BoardJson::compact({{QStringLiteral("ip"), ip},
                    {QStringLiteral("events"), BoardJson::events(events, BoardLanguage::catalogue(language))}});
}
