#include "tests/notify/WorkbookProbe.h"

#include <QJsonDocument>
#include <QProcess>

#include <ixion/address.hpp>
#include <ixion/model_context.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <orcus/spreadsheet/sheet.hpp>

namespace WorkbookProbe {

namespace {

QString cellName(int row, int column)
{
    QString letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar('A' + (c - 1) % 26));
    return letters + QString::number(row + 1);
}

} // namespace

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

QList<Sheet> readWithOrcusModel(const QString &path)
{
    namespace ss = orcus::spreadsheet;
    QList<Sheet> sheets;
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
                    const ixion::celltype_t type = context.get_celltype(address);
                    if (type == ixion::celltype_t::string) {
                        const std::string_view text = context.get_string_value(address);
                        sheet.cells.insert(cellName(row, column),
                                           QStringLiteral("s:") + QString::fromUtf8(text.data(), int(text.size())));
                    } else if (type != ixion::celltype_t::empty) {
                        sheet.cells.insert(cellName(row, column), QStringLiteral("other"));
                    }
                }
            }
            sheets << sheet;
        }
    } catch (...) {
        qWarning("liborcus' document model could not read %s", qPrintable(path));
        sheets.clear();
    }
    return sheets;
}

} // namespace WorkbookProbe
