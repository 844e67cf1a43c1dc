#include "model/ReplyParser.h"

QStringList splitReplyFields(const QString &text)
{
    QStringList fields;
    const QChar separator = QLatin1Char('&');
    int start = 0; // the remaining text begins here
    for (;;) {
        const int i = text.indexOf(separator, start);
        const int j = i < 0 ? -1 : text.indexOf(separator, i + 1);
        if (j > i || (j < 0 && i > start)) {
            fields << text.mid(start, i - start);
            start = i + 1;
            continue;
        }
        // No "&" left, or the rest is "&" plus a last field.
        fields << (i < 0 ? text.mid(start) : text.mid(i + 1));
        return fields;
    }
}

int splitReplyFieldRefs(const QString &text, QStringRef *fields, int capacity)
{
    const QChar separator = QLatin1Char('&');
    int count = 0; // fields before the last one
    int start = 0;
    bool previousEmpty = false;
    for (;;) {
        const int i = text.indexOf(separator, start);
        if (i < 0)
            break;
        if (count < capacity)
            fields[count] = text.midRef(start, i - start);
        ++count;
        previousEmpty = i == start;
        start = i + 1;
    }
    // Seen from the end this is the rule above: a last field after an empty
    // one takes that one's place ("a&&b" is "a", "b").
    if (count > 0 && previousEmpty)
        --count;
    if (count < capacity)
        fields[count] = text.midRef(start);
    return count + 1;
}

QMap<QString, QString> parseReplyMap(const QString &text)
{
    QMap<QString, QString> map;
    const QString lineBreak = QStringLiteral("\r\n");
    const int lastBreak = text.lastIndexOf(lineBreak);
    const int begin = lastBreak < 0 ? 0 : lastBreak + lineBreak.size();

    const QChar separator = QLatin1Char('&');
    const QChar equals = QLatin1Char('=');
    int pos = begin;
    const int size = text.size();
    while (pos < size) {
        while (pos < size && text.at(pos) == separator)
            ++pos;
        const int e = text.indexOf(equals, pos);
        if (e < 0)
            break;
        const int amp = text.indexOf(separator, pos);
        if (amp >= 0 && amp < e) {
            // "word&key=value": the word has no value; go on at the "&".
            pos = amp;
            continue;
        }
        const QString key = text.mid(pos, e - pos);
        if (amp < 0) {
            map.insert(key, text.mid(e + 1));
            break;
        }
        map.insert(key, text.mid(e + 1, amp - e - 1));
        pos = amp;
    }
    return map;
}
