#include "model/ReplyParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<int>(size));

    const QStringList fields = splitReplyFields(text);
    // Every split yields at least one field, and no field can hold a separator.
    if (fields.isEmpty())
        std::abort();
    for (const QString &field : fields) {
        if (field.contains(QLatin1Char('&')))
            std::abort();
    }

    // The split without copies gives the same fields, a missing one null.
    QStringRef refs[4];
    const int count = splitReplyFieldRefs(text, refs, 4);
    if (count != fields.size())
        std::abort();
    for (int i = 0; i < 4 && i < count; ++i) {
        if (refs[i] != fields.at(i) || refs[i].isNull() != fields.at(i).isNull())
            std::abort();
    }

    const QMap<QString, QString> map = parseReplyMap(text);
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (it.key().contains(QLatin1Char('&')) || it.key().contains(QLatin1Char('='))
            || it.value().contains(QLatin1Char('&')) || it.key().contains(QStringLiteral("\r\n")))
            std::abort();
    }
    return 0;
}
