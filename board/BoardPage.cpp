#include "board/BoardPage.h"

#include "board/BoardLanguage.h"

#include <QFile>

namespace BoardPage {

namespace {

// The page's words: {{key}} in board.html, and data-t-key on its body for
// the script. Context "StatusBoard" in the catalogues unless another is named.
const struct { const char *key; const char *text; const char *context = "StatusBoard"; } pageTexts[] = {
    {"title", QT_TRANSLATE_NOOP("StatusBoard", "Clock status")},
    {"filter", QT_TRANSLATE_NOOP("StatusBoard", "Filter by name or address")},
    {"problems", QT_TRANSLATE_NOOP("StatusBoard", "Problems only")},
    {"name", QT_TRANSLATE_NOOP("StatusBoard", "Name")},
    {"ip", QT_TRANSLATE_NOOP("StatusBoard", "Address")},
    {"group", QT_TRANSLATE_NOOP("StatusBoard", "Group")},
    {"state", QT_TRANSLATE_NOOP("StatusBoard", "State")},
    {"muted", QT_TRANSLATE_NOOP("StatusBoard", "Muted until")},
    {"age", QT_TRANSLATE_NOOP("StatusBoard", "Status age")},
    {"temperature", QT_TRANSLATE_NOOP("StatusBoard", "Temperature")},
    {"brightness", QT_TRANSLATE_NOOP("StatusBoard", "Brightness")},
    {"history", QT_TRANSLATE_NOOP("StatusBoard", "History")},
    {"close", QT_TRANSLATE_NOOP("StatusBoard", "Close")},
    {"noevents", QT_TRANSLATE_NOOP("StatusBoard", "No events.")},
    {"lifted", QT_TRANSLATE_NOOP("StatusBoard", "until lifted")},
    {"shown", QT_TRANSLATE_NOOP("StatusBoard", "%1 of %2 clocks shown")},
    {"unreachable", QT_TRANSLATE_NOOP("StatusBoard",
                                      "The monitor cannot be reached. The board shows what it last received.")},
    // The availability view; its headings are those of the CLI's report.
    {"views", QT_TRANSLATE_NOOP("StatusBoard", "Views")},
    {"navclocks", QT_TRANSLATE_NOOP("StatusBoard", "Clocks")},
    {"availability", QT_TRANSLATE_NOOP("StatusBoard", "Availability")},
    {"period", QT_TRANSLATE_NOOP("StatusBoard", "Period")},
    {"month", QT_TRANSLATE_NOOP("StatusBoard", "Month")},
    {"week", QT_TRANSLATE_NOOP("StatusBoard", "Week")},
    {"day", QT_TRANSLATE_NOOP("StatusBoard", "Day")},
    {"previous", QT_TRANSLATE_NOOP("StatusBoard", "Previous")},
    {"next", QT_TRANSLATE_NOOP("StatusBoard", "Next")},
    {"groups", QT_TRANSLATE_NOOP("StatusBoard", "Groups")},
    {"loading", QT_TRANSLATE_NOOP("StatusBoard", "Computing the figures...")},
    {"unreadable", QT_TRANSLATE_NOOP("StatusBoard", "The history cannot be read.")},
    {"failed", QT_TRANSLATE_NOOP("StatusBoard", "The figures could not be loaded.")},
    {"clock", QT_TRANSLATE_NOOP("ReportCommands", "Clock"), "ReportCommands"},
    {"clocks", QT_TRANSLATE_NOOP("ReportCommands", "Clocks"), "ReportCommands"},
    {"answering", QT_TRANSLATE_NOOP("ReportCommands", "Answering"), "ReportCommands"},
    {"synchronised", QT_TRANSLATE_NOOP("ReportCommands", "Synchronised"), "ReportCommands"},
    {"incidents", QT_TRANSLATE_NOOP("ReportCommands", "Incidents"), "ReportCommands"},
    {"longest", QT_TRANSLATE_NOOP("ReportCommands", "Longest"), "ReportCommands"},
    {"mttr", QT_TRANSLATE_NOOP("ReportCommands", "MTTR"), "ReportCommands"},
    {"quiet", QT_TRANSLATE_NOOP("ReportCommands", "Quiet"), "ReportCommands"},
    {"site", QT_TRANSLATE_NOOP("ReportCommands", "Site"), "ReportCommands"},
    {"nogroup", QT_TRANSLATE_NOOP("ReportCommands", "(no group)"), "ReportCommands"},
    // The state's last line, written by the page from the status time.
    {"updated", QT_TRANSLATE_NOOP("DevClock", "Last status update"), "DevClock"},
};

QByteArray resource(const QString &name)
{
    QFile file(QStringLiteral(":/board/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray page(Language language)
{
    QString html = QString::fromUtf8(resource(QStringLiteral("board.html")));
    QString attributes;
    const TextCatalogue texts = BoardLanguage::catalogue(language);
    for (const auto &entry : pageTexts) {
        const QString text = escapeHtml(texts.translate(entry.context, entry.text));
        const QString key = QLatin1String(entry.key);
        html.replace(QStringLiteral("{{") + key + QStringLiteral("}}"), text);
        attributes += QStringLiteral(" data-t-") + key + QStringLiteral("=\"") + text + QLatin1Char('"');
    }
    html.replace(QStringLiteral("{{lang}}"), QString::fromLatin1(BoardLanguage::tag(language)));
    html.replace(QStringLiteral("{{texts}}"), attributes);
    return html.toUtf8();
}

} // namespace

QString escapeHtml(const QString &text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\''), QStringLiteral("&#39;"));
}

HttpListener::Response asset(const QByteArray &path, Language language)
{
    HttpListener::Response response;
    QByteArray type;
    if (path == "/") {
        response.body = page(language);
        type = "text/html; charset=utf-8";
        response.headers = "Vary: Accept-Language\r\n";
    } else if (path == "/board.js") {
        response.body = resource(QStringLiteral("board.js"));
        type = "text/javascript; charset=utf-8";
    } else if (path == "/availability.js") {
        response.body = resource(QStringLiteral("availability.js"));
        type = "text/javascript; charset=utf-8";
    } else if (path == "/board.css") {
        response.body = resource(QStringLiteral("board.css"));
        type = "text/css; charset=utf-8";
    } else {
        return response;
    }
    response.status = 200;
    response.headers += "Content-Type: " + type + "\r\nCache-Control: no-cache\r\n";
    return response;
}

} // namespace BoardPage
