#include "WorkbookProbe.h"

#include <QJsonDocument>
#include <QProcess>

#include <ixion/address.hpp>
#include <ixion/model_context.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <orcus/spreadsheet/sheet.hpp>
#include <xlsxwriter.h>

namespace WorkbookProbe {

QString cellName(int row, int column)
{
    QString letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar('A' + (c - 1) % 26));
    return letters + QString::number(row + 1);
}

QJsonArray readWithOpenpyxl(const QString &path)
{
    QProcess python;
    python.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    python.start(QStringLiteral("/usr/bin/python3"),
                 {qEnvironmentVariable("ZENTICK_SOURCE_DIR") + QStringLiteral("/tests/notify/read_xlsx.py"), path});
    if (!python.waitForFinished(120000) || python.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

QList<Sheet> readWithOrcusModel(const QString &path, bool *ok)
{
    namespace ss = orcus::spreadsheet;
    QList<Sheet> sheets;
    *ok = false;
    try {
        ss::document document({1048576, 16384});
        ss::import_factory factory(document);
        orcus::orcus_xlsx filter(&factory);
        filter.read_file(path.toStdString());
        const ixion::model_context &context = document.get_model_context();
        for (std::size_t i = 0; i < document.get_sheet_count(); ++i) {
            Sheet sheet;
            const std::string_view name = document.get_sheet_name(ss::sheet_t(i));
            sheet.name = QString::fromUtf8(name.data(), int(name.size()));
            const ixion::abs_range_t range = document.get_sheet(ss::sheet_t(i))->get_data_range();
            for (int row = 0; range.valid() && row <= range.last.row; ++row) {
                for (int column = 0; column <= range.last.column; ++column) {
                    const ixion::abs_address_t address(ixion::sheet_t(i), row, column);
                    switch (context.get_celltype(address)) {
                    case ixion::celltype_t::string: {
                        const std::string_view text = context.get_string_value(address);
                        sheet.cells.insert(cellName(row, column),
                                           QStringLiteral("s:") + QString::fromUtf8(text.data(), int(text.size())));
                        break;
                    }
                    case ixion::celltype_t::numeric:
                        sheet.cells.insert(cellName(row, column),
                                           QStringLiteral("n:") + QString::number(context.get_numeric_value(address)));
                        break;
                    case ixion::celltype_t::boolean:
                        sheet.cells.insert(cellName(row, column),
                                           QStringLiteral("b:") + QString::number(context.get_numeric_value(address)));
                        break;
                    default:
                        break;
                    }
                }
            }
            sheets << sheet;
        }
        *ok = true;
    } catch (...) {
        sheets.clear();
    }
    return sheets;
}

bool writeInlineStringWorkbook(const QString &path)
{
    // The library's constant-memory mode stores texts inline.
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    lxw_workbook *book = workbook_new_opt(path.toUtf8().constData(), &options);
    lxw_worksheet *sheet = workbook_add_worksheet(book, "Lobby (192.168.0.20)");
    worksheet_write_string(sheet, 0, 0, "Date", nullptr);
    worksheet_write_string(sheet, 1, 0, "kept by hand", nullptr);
    return workbook_close(book) == LXW_NO_ERROR;
}

bool writeFormulaWorkbook(const QString &path)
{
    lxw_workbook *book = workbook_new(path.toUtf8().constData());
    lxw_worksheet *sheet = workbook_add_worksheet(book, "Sums");
    worksheet_write_number(sheet, 0, 0, 2.0, nullptr);
    worksheet_write_formula(sheet, 1, 0, "=A1*2", nullptr);
    return workbook_close(book) == LXW_NO_ERROR;
}

} // namespace WorkbookProbe
