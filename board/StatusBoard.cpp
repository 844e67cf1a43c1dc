#include "board/StatusBoard.h"

#include "board/BoardJson.h"
#include "board/BoardLanguage.h"
#include "board/BoardPage.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/QuietPeriod.h"
#include "http/HttpRequestParser.h"

#include <QDateTime>
#include <QHostAddress>
#include <QJsonDocument>
#include <QUrlQuery>

#include <algorithm>

static void registerBoardResources()
{
    Q_INIT_RESOURCE(board);
}

namespace {

const QByteArray apiPrefix = "/api/v1/";
const QByteArray eventsSuffix = "/events";

// <, > and & only ever stand inside strings here: written as escapes, the
// document cannot be read as markup even by a client that sniffs.
QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object)
        .toJson(QJsonDocument::Compact)
        .replace('<', "\\u003c")
        .replace('>', "\\u003e")
        .replace('&', "\\u0026");
}

HttpListener::Response json(const QByteArray &body)
{
    return {200, body, "Content-Type: application/json\r\nCache-Control: no-store\r\nVary: Accept-Language\r\n",
            {}};
}

} // namespace

StatusBoard::StatusBoard(ClockRegistry &registry, const QString &journalFolder, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
    , m_journalFolder(journalFolder)
    , m_firstVersion(quint64(QDateTime::currentMSecsSinceEpoch()))
    , m_version(m_firstVersion)
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
}

void StatusBoard::noteChanged(quint64 clockId)
{
    m_changed.insert(clockId, ++m_version);
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
        return json(clocksDocument(language, query.queryItemValue(QStringLiteral("since")).toULongLong()));
    if (what == "summary")
        return json(summaryDocument(language));
    if (what.startsWith("clocks/") && what.endsWith(eventsSuffix)) {
        const QByteArray address = QByteArray::fromPercentEncoding(
            what.mid(int(qstrlen("clocks/")), what.size() - int(qstrlen("clocks/")) - eventsSuffix.size()));
        if (!QHostAddress().setAddress(QString::fromLatin1(address)))
            return {};
        // A busy clock's history is read from the journal's files on the
        // listener's work threads; only the few events found come back here.
        const QString ip = QString::fromLatin1(address);
        HttpListener::Response response;
        response.work = [folder = m_journalFolder, ip, language]() -> HttpListener::Continuation {
            EventJournal::Filter filter;
            filter.ip = ip;
            filter.limit = historyLength;
            const QList<ClockEvent> events = EventJournal::read(folder, filter);
            return [language, ip, events] { return json(eventsDocument(language, ip, events)); };
        };
        return response;
    }
    return {};
}

QByteArray StatusBoard::clocksDocument(Language language, quint64 since)
{
    const QList<DevClock *> clocks = m_registry.clocks();
    const bool complete = since < m_firstVersion || since > m_version || clocks.size() != m_clockCount;
    if (clocks.size() != m_clockCount)
        std::for_each(m_rows.begin(), m_rows.end(), [](auto &built) { built.clear(); });
    m_clockCount = clocks.size();
    const size_t slot = size_t(std::clamp(int(language), 0, int(m_rows.size()) - 1));
    CompleteList &cached = m_completeLists[slot];
    if (complete && cached.clockCount == m_clockCount && cached.age.isValid()
        && cached.age.elapsed() < m_completeListMaxAgeMs)
        return cached.document;
    QHash<quint64, BuiltRow> &built = m_rows[slot];
    const QDateTime now = QDateTime::currentDateTime();
    const TextCatalogue texts = BoardLanguage::catalogue(language);
    QByteArrayList rows;
    for (const DevClock *clock : clocks) {
        const quint64 changed = m_changed.value(clock->id);
        if (!complete && changed <= since)
            continue;
        auto row = built.find(clock->id);
        // A row is built once per change of its clock, so that a large
        // fleet's complete list is put together from rows already written;
        // a quiet period or window starting or ending changes a row without
        // a change.
        if (row == built.end() || row->version != changed || (row->staleAt.isValid() && now >= row->staleAt)) {
            const QDateTime staleAt = m_registry.quietChangesAt(*clock, now);
            row = built.insert(clock->id, {changed, compact(BoardJson::clock(*clock, m_registry, now, texts)), staleAt});
        }
        rows.append(row->json);
    }
    // Put together from the rows' own text in one buffer: a large fleet's
    // list is megabytes, copied once.
    const QByteArray head = "{\"version\":\"" + QByteArray::number(m_version) + "\",\"complete\":"
        + (complete ? "true" : "false") + ",\"clocks\":[";
    const QByteArray tail = "],\"summary\":" + compact(BoardJson::summary(clocks, texts)) + '}';
    int length = head.size() + tail.size();
    for (const QByteArray &row : qAsConst(rows))
        length += row.size() + 1;
    QByteArray document;
    document.reserve(length);
    document += head;
    for (int i = 0; i < rows.size(); ++i) {
        if (i > 0)
            document += ',';
        document += rows.at(i);
    }
    document += tail;
    if (complete) {
        cached.document = document;
        cached.clockCount = m_clockCount;
        cached.age.start();
    }
    return document;
}

QByteArray StatusBoard::summaryDocument(Language language) const
{
    return compact(BoardJson::summary(m_registry.clocks(), BoardLanguage::catalogue(language)));
}

QByteArray StatusBoard::eventsDocument(Language language, const QString &ip, const QList<ClockEvent> &events)
{
    return compact({{QStringLiteral("ip"), ip},
                    {QStringLiteral("events"), BoardJson::events(events, BoardLanguage::catalogue(language))}});
}
