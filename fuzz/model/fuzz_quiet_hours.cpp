#include "model/QuietHours.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const QuietHours hours = QuietHours::fromText(text);
    // Text not understood is kept whole for the next save; understood text
    // reads back as itself.
    if (!hours.isValid() && hours.toText() != text && !text.trimmed().isEmpty())
        abort();
    if (hours.isValid() && QuietHours::fromText(hours.toText()).toText() != hours.toText())
        abort();
    // Stretches of a week around a daylight-saving change stay ordered and apart.
    const QDateTime from(QDate(2026, 10, 20), QTime(0, 0), Qt::UTC);
    const QList<QuietHours::Interval> found = hours.intervalsWithin(from, from.addDays(7));
    for (int i = 0; i < found.size(); ++i) {
        if (!(found.at(i).from < found.at(i).to) || (i > 0 && !(found.at(i - 1).to < found.at(i).from)))
            abort();
    }
    hours.periodAt(from);
    return 0;
}
