#include "session/AvailabilityWorkbook.h"

#include "platform/PrivateFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <cerrno>

namespace AvailabilityWorkbook {

namespace {

using Figures = AvailabilityReport::Figures;

constexpr int maxSheetNameLength = 31;
// A cell holds at most this many characters; longer texts are cut.
constexpr int maxCellText = 32767;
constexpr lxw_row_t maxRows = 1048576;
constexpr double secondsPerDay = 86400.0;
constexpr double nameColumnWidth = 28.0;
constexpr double figureColumnWidth = 16.0;
constexpr double timeColumnWidth = 18.0;

QString tr(const char *text)
{
    return QCoreApplication::translate("AvailabilityWorkbook", text);
}

QStringList figureHeads()
{
    return {tr("Answering"),     tr("Synchronised"), tr("Incidents"),    tr("Longest incident"),
            tr("Incident time"), tr("Mean time to recovery"), tr("Quiet time"), tr("Unknown time")};
}

// Cuts to count UTF-16 units, as the spreadsheet counts, never inside a
// surrogate pair.
QString firstCharacters(const QString &text, int count)
{
    if (text.size() <= count)
        return text;
    return text.left(text.at(count).isLowSurrogate() ? count - 1 : count);
}

QString cleanSheetName(const QString &wanted)
{
    QString name;
    for (const QChar c : wanted) {
        static const QString forbidden = QStringLiteral("[]:*?/\\");
        // Control characters are as unwelcome in a tab as the forbidden ones.
        name += forbidden.contains(c) || c.unicode() < 0x20 ? QLatin1Char('_') : c;
    }
    name = firstCharacters(name.trimmed(), maxSheetNameLength);
    while (name.startsWith(QLatin1Char('\'')))
        name.remove(0, 1);
    while (name.endsWith(QLatin1Char('\'')))
        name.chop(1);
    name = name.trimmed();
    // The spreadsheet keeps "History" for itself.
    if (name.isEmpty() || name.compare(QLatin1String("History"), Qt::CaseInsensitive) == 0)
        name = tr("Group") + (name.isEmpty() ? QString() : QStringLiteral(" ") + name);
    return name;
}

struct Formats
{
    lxw_format *title = nullptr;
    lxw_format *head = nullptr;
    lxw_format *share = nullptr;
    lxw_format *duration = nullptr;
    lxw_format *time = nullptr;
};

class SheetWriter
{
public:
    SheetWriter(lxw_worksheet *sheet, const Formats &formats) : m_sheet(sheet), m_formats(formats) {}

    void text(lxw_row_t row, lxw_col_t column, const QString &value, lxw_format *format = nullptr)
    {
        check(worksheet_write_string(m_sheet, row, column,
                                     value.left(maxCellText).toUtf8().constData(), format));
    }
    void number(lxw_row_t row, lxw_col_t column, double value, lxw_format *format = nullptr)
    {
        check(worksheet_write_number(m_sheet, row, column, value, format));
    }
    // Nothing for a share of no counted time.
    void share(lxw_row_t row, lxw_col_t column, double value)
    {
        if (value >= 0)
            number(row, column, value, m_formats.share);
    }
    void duration(lxw_row_t row, lxw_col_t column, qint64 secs)
    {
        if (secs >= 0)
            number(row, column, double(secs) / secondsPerDay, m_formats.duration);
    }
    void time(lxw_row_t row, lxw_col_t column, const QDateTime &when)
    {
        if (!when.isValid())
            return;
        const QDateTime local = when.toLocalTime();
        lxw_datetime value{local.date().year(), local.date().month(), local.date().day(),
                           local.time().hour(), local.time().minute(), double(local.time().second())};
        check(worksheet_write_datetime(m_sheet, row, column, &value, m_formats.time));
    }
    void boolean(lxw_row_t row, lxw_col_t column, bool value)
    {
        check(worksheet_write_boolean(m_sheet, row, column, value, nullptr));
    }
    void heads(lxw_row_t row, lxw_col_t column, const QStringList &titles)
    {
        for (const QString &title : titles)
            text(row, column++, title, m_formats.head);
    }
    void figures(lxw_row_t row, lxw_col_t column, const Figures &f)
    {
        share(row, column, f.answeringShare());
        share(row, column + 1, f.synchronisedShare());
        number(row, column + 2, f.incidents);
        duration(row, column + 3, f.longestIncidentSecs);
        duration(row, column + 4, f.downSecs);
        duration(row, column + 5, f.meanRecoverySecs());
        duration(row, column + 6, f.quietSecs);
        duration(row, column + 7, f.unknownSecs);
    }
    void widths(lxw_col_t names, lxw_col_t last, double width)
    {
        worksheet_set_column(m_sheet, 0, names, nameColumnWidth, nullptr);
        worksheet_set_column(m_sheet, names + 1, last, width, nullptr);
    }

    lxw_error error() const { return m_error; }

private:
    void check(lxw_error error)
    {
        if (m_error == LXW_NO_ERROR)
            m_error = error;
    }

    lxw_worksheet *m_sheet;
    const Formats &m_formats;
    lxw_error m_error = LXW_NO_ERROR;
};

QString groupTitle(const QString &group)
{
    return group.isEmpty() ? tr("No group") : group;
}

void writeSummary(SheetWriter &w, const AvailabilityReport::Result &result, const Formats &formats)
{
    w.text(0, 0, tr("Availability of the clocks"), formats.title);
    w.text(1, 0, tr("From"));
    w.time(1, 1, result.from);
    w.text(2, 0, tr("To"));
    w.time(2, 1, result.to);
    constexpr lxw_row_t headRow = 4;
    w.heads(headRow, 0, QStringList{tr("Group"), tr("Clocks")} + figureHeads());
    w.text(headRow + 1, 0, tr("Site"), formats.head);
    w.number(headRow + 1, 1, result.site.clocks);
    w.figures(headRow + 1, 2, result.site);
    lxw_row_t row = headRow + 2;
    for (const Figures &group : result.groups) {
        w.text(row, 0, groupTitle(group.name));
        w.number(row, 1, group.clocks);
        w.figures(row, 2, group);
        ++row;
    }
    w.widths(0, 9, figureColumnWidth);
}

void writeGroup(SheetWriter &w, const AvailabilityReport::Result &result, const QString &group,
                const Formats &formats)
{
    w.heads(0, 0, QStringList{tr("Clock"), tr("IP")} + figureHeads());
    lxw_row_t row = 1;
    for (const Figures &clock : result.clocks) {
        if (clock.group != group)
            continue;
        w.text(row, 0, clock.name);
        w.text(row, 1, clock.ip);
        w.figures(row, 2, clock);
        ++row;
    }
    ++row;
    w.text(row++, 0, tr("Outages"), formats.title);
    w.heads(row++, 0, {tr("Clock"), tr("IP"), tr("Start"), tr("End"), tr("Duration"), tr("Ongoing")});
    int left = 0;
    for (const AvailabilityReport::Outage &outage : result.outages) {
        if (outage.group != group)
            continue;
        if (row + 1 >= maxRows) {
            ++left;
            continue;
        }
        w.text(row, 0, outage.name);
        w.text(row, 1, outage.ip);
        w.time(row, 2, outage.start);
        w.time(row, 3, outage.end);
        w.duration(row, 4, outage.secs());
        w.boolean(row, 5, outage.ongoing);
        ++row;
    }
    if (left > 0)
        w.text(row, 0, QCoreApplication::translate("AvailabilityWorkbook", "%n further outages are not listed.",
                                                   nullptr, left));
    w.widths(1, 9, timeColumnWidth);
}

} // namespace

QStringList sheetNames(const QStringList &wanted)
{
    QStringList names;
    QSet<QString> taken;
    for (const QString &one : wanted) {
        const QString clean = cleanSheetName(one);
        QString name = clean;
        for (int n = 2; taken.contains(name.toCaseFolded()); ++n) {
            const QString number = QStringLiteral(" (%1)").arg(n);
            name = firstCharacters(clean, maxSheetNameLength - number.size()).trimmed() + number;
        }
        taken.insert(name.toCaseFolded());
        names << name;
    }
    return names;
}

QByteArray build(const AvailabilityReport::Result &result, QString *why)
{
    // The library writes a file and scratch files of its own; both go into a
    // folder only we can enter (QTemporaryDir makes it 0700).
    QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/zentick-availability-XXXXXX"));
    QString reason;
    QByteArray bytes;
    if (!scratch.isValid()) {
        reason = scratch.errorString();
    } else {
        const QString fileName = scratch.filePath(QStringLiteral("book.xlsx"));
        QByteArray scratchFolder = QFile::encodeName(scratch.path());
        lxw_workbook_options options{};
        options.tmpdir = scratchFolder.data();
        lxw_workbook *book = workbook_new_opt(QFile::encodeName(fileName).constData(), &options);
        if (!book) {
            reason = QStringLiteral("cannot start the workbook");
        } else {
            Formats formats;
            formats.title = workbook_add_format(book);
            format_set_bold(formats.title);
            formats.head = workbook_add_format(book);
            format_set_bold(formats.head);
            format_set_text_wrap(formats.head);
            formats.share = workbook_add_format(book);
            format_set_num_format(formats.share, "0.00%");
            formats.duration = workbook_add_format(book);
            format_set_num_format(formats.duration, "[h]:mm:ss");
            formats.time = workbook_add_format(book);
            format_set_num_format(formats.time, "yyyy-mm-dd hh:mm:ss");

            // Every group of a clock or an outage gets its sheet, listed or not.
            QStringList groups;
            for (const Figures &group : result.groups)
                groups << group.name;
            for (const Figures &clock : result.clocks)
                groups << clock.group;
            for (const AvailabilityReport::Outage &outage : result.outages)
                groups << outage.group;
            groups.removeDuplicates();
            // The clocks in no group come last, after the named groups.
            if (groups.removeAll(QString()) > 0)
                groups << QString();
            QStringList wanted{tr("Summary")};
            for (const QString &group : qAsConst(groups))
                wanted << groupTitle(group);
            const QStringList names = sheetNames(wanted);

            lxw_error error = LXW_NO_ERROR;
            for (int s = 0; s < names.size() && error == LXW_NO_ERROR; ++s) {
                lxw_worksheet *sheet = workbook_add_worksheet(book, names.at(s).toUtf8().constData());
                if (!sheet) {
                    reason = QStringLiteral("the sheet name \"%1\" is not accepted").arg(names.at(s));
                    break;
                }
                SheetWriter writer(sheet, formats);
                if (s == 0)
                    writeSummary(writer, result, formats);
                else
                    writeGroup(writer, result, groups.at(s - 1), formats);
                error = writer.error();
            }
            const lxw_error closed = workbook_close(book);
            if (error == LXW_NO_ERROR)
                error = closed;
            if (error != LXW_NO_ERROR && reason.isEmpty())
                reason = QString::fromUtf8(lxw_strerror(error));
            if (reason.isEmpty()) {
                QFile built(fileName);
                if (built.open(QIODevice::ReadOnly))
                    bytes = built.readAll();
                if (bytes.isEmpty())
                    reason = built.errorString();
            }
        }
    }
    if (bytes.isEmpty() && why)
        *why = reason;
    return bytes;
}

bool write(const AvailabilityReport::Result &result, const QString &path, QString *why)
{
    const QByteArray bytes = build(result, why);
    // The figures name every clock: the user's alone.
    return !bytes.isEmpty() && PrivateFiles::writeWhole(path, bytes, why);
}

} // namespace AvailabilityWorkbook
