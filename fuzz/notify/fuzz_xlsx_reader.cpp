#include "notify/Workbook.h"
#include "notify/WorkbookReader.h"
#include "notify/XlsxWritter.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// Any file may sit at the report's path. Whatever the reader accepts also
// takes a report run, as the next tick would do with it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    Workbook workbook;
    if (!WorkbookReader::read(bytes, workbook))
        return 0;
    ReportRun run;
    run.title = QStringLiteral("Temperature");
    run.dateText = QStringLiteral("2026-12-06 10:00");
    run.entries.push_back({QStringLiteral("Lobby (192.168.0.20)"), QStringLiteral("21.5°C")});
    for (int i = 0; i < workbook.sheetCount() && i < 4; ++i)
        run.entries.push_back({workbook.sheet(i).name, QStringLiteral("1%")});
    XlsxWritter::apply(workbook, run);
    (void)workbook.cellCount();
    return 0;
}
