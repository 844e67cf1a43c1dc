#include "notify/WorkbookWriter.h"

#include "platform/PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <xlsxwriter.h>

namespace {

// The library assembles the file under a name of its own; it is copied into
// place with QSaveFile afterwards.
bool writeLibraryFile(const Workbook &workbook, const QByteArray &fileName, QString &reason)
{
    lxw_workbook *book = workbook_new(fileName.constData());
    if (!book) {
        reason = QStringLiteral("cannot start the workbook");
        return false;
    }

    lxw_format *header = workbook_add_format(book);
    format_set_font_color(header, LXW_COLOR_BLACK);
    format_set_font_size(header, WorkbookWriter::fontSize);
    format_set_bold(header);
    format_set_align(header, LXW_ALIGN_CENTER);
    lxw_format *data = workbook_add_format(book);
    format_set_font_color(data, LXW_COLOR_BLACK);
    format_set_font_size(data, WorkbookWriter::fontSize);
    format_set_align(data, LXW_ALIGN_LEFT);

    bool ok = true;
    for (int s = 0; ok && s < workbook.sheetCount(); ++s) {
        const Workbook::Sheet &sheet = workbook.sheet(s);
        lxw_worksheet *worksheet = workbook_add_worksheet(book, sheet.name.toUtf8().constData());
        if (!worksheet) {
            reason = QStringLiteral("the sheet name \"%1\" is not accepted").arg(sheet.name);
            ok = false;
            break;
        }
        for (std::size_t c = 0; ok && c < sheet.columns.size(); ++c) {
            const auto column = lxw_col_t(c);
            for (const Workbook::Cell &cell : sheet.columns[c]) {
                lxw_format *format = cell.row == 0 ? header : data;
                lxw_error error = LXW_NO_ERROR;
                switch (cell.kind) {
                case Workbook::Kind::Text:
                    error = worksheet_write_string(worksheet, cell.row, column,
                                                   workbook.pooledText(cell.text).c_str(), format);
                    break;
                case Workbook::Kind::Number:
                    error = worksheet_write_number(worksheet, cell.row, column, cell.number, format);
                    break;
                case Workbook::Kind::Boolean:
                    error = worksheet_write_boolean(worksheet, cell.row, column, cell.number != 0.0, format);
                    break;
                case Workbook::Kind::Empty:
                    break;
                }
                if (error != LXW_NO_ERROR) {
                    reason = QString::fromUtf8(lxw_strerror(error));
                    ok = false;
                    break;
                }
            }
            if (ok && !workbook.isEmpty(s, 0, std::uint32_t(c)))
                worksheet_set_column(worksheet, column, column, WorkbookWriter::headerColumnWidth, nullptr);
        }
    }

    const lxw_error closed = workbook_close(book);
    if (ok && closed != LXW_NO_ERROR) {
        reason = QString::fromUtf8(lxw_strerror(closed));
        ok = false;
    }
    return ok;
}

} // namespace

bool WorkbookWriter::write(const Workbook &workbook, const QString &path, QString *reason)
{
    QString why;
    bool ok = false;
    {
        QTemporaryFile scratch(QDir::tempPath() + QStringLiteral("/zentick-report-XXXXXX.xlsx"));
        if (!scratch.open()) {
            why = QStringLiteral("cannot create a scratch file");
        } else {
            scratch.close();
            if (writeLibraryFile(workbook, QFile::encodeName(scratch.fileName()), why)) {
                QFile built(scratch.fileName());
                // The report names every clock: the user's alone.
                if (!built.open(QIODevice::ReadOnly))
                    why = built.errorString();
                else
                    ok = PrivateFiles::writeWhole(path, built.readAll(), &why);
            }
        }
    }
    if (!ok && reason)
        *reason = why;
    return ok;
}
