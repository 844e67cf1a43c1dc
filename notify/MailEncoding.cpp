#include "notify/MailEncoding.h"

#include <QList>

#include <algorithm>

namespace MailEncoding {

namespace {

// An encoded word may take 75 characters: "=?UTF-8?B?", the Base64 of 45
// bytes of text and "?=".
constexpr int wordOverhead = 12;
constexpr int maxWordBytes = 45;
// A quoted-printable line holds 76 characters, the "=" of a soft break
// included.
constexpr int maxQuotedLine = 75;
// RFC 2045 limits encoded lines to 76 characters.
constexpr int base64LineLength = 76;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Folds before blanks that follow a word, greedily, so that lines stay
// within the recommended length where the words allow. Never right after
// the field name and never before blanks that end the line: a continuation
// line of blanks alone is no line at all to a reader.
QByteArray foldedAtBlanks(const QByteArray &line, int nameLength)
{
    int lastWord = line.size() - 1;
    while (lastWord >= 0 && isBlank(line.at(lastWord)))
        --lastWord;
    QList<int> points;
    for (int i = nameLength + 1; i < lastWord; ++i) {
        if (isBlank(line.at(i)) && !isBlank(line.at(i - 1)))
            points << i;
    }
    points << line.size();

    QByteArray folded;
    int start = 0;
    int candidate = -1;
    for (const int point : qAsConst(points)) {
        if (point - start > recommendedLineLength && candidate > start) {
            folded += line.mid(start, candidate - start) + "\r\n";
            start = candidate;
        }
        candidate = point;
    }
    return folded + line.mid(start);
}

// Bytes of text an encoded word may carry on a line of which used
// characters are taken.
int wordBytes(int used)
{
    const int base64 = recommendedLineLength - used - wordOverhead;
    return std::clamp(base64 / 4 * 3, 3, maxWordBytes);
}

} // namespace

bool isAscii(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

int longestLine(const QByteArray &lines)
{
    int longest = 0;
    int start = 0;
    while (start <= lines.size()) {
        int end = lines.indexOf('\n', start);
        if (end < 0)
            end = lines.size();
        const int length = end - start - (end > start && lines.at(end - 1) == '\r' ? 1 : 0);
        longest = std::max(longest, length);
        start = end + 1;
    }
    return longest;
}

Mailbox mailbox(const QString &text)
{
    const QString trimmed = text.trimmed();
    const int open = trimmed.lastIndexOf(QLatin1Char('<'));
    if (open < 0 || !trimmed.endsWith(QLatin1Char('>')))
        return {QString(), trimmed};
    Mailbox box;
    box.address = trimmed.mid(open + 1, trimmed.size() - open - 2).trimmed();
    const QString name = trimmed.left(open).trimmed();
    if (name.size() < 2 || !name.startsWith(QLatin1Char('"')) || !name.endsWith(QLatin1Char('"'))) {
        box.displayName = name;
        return box;
    }
    for (int i = 1; i < name.size() - 1; ++i) {
        if (name.at(i) == QLatin1Char('\\') && i + 1 < name.size() - 1)
            ++i;
        box.displayName += name.at(i);
    }
    return box;
}

QByteArray encodedWords(const QString &text, int used)
{
    QByteArray words;
    QByteArray chunk;
    int budget = wordBytes(used);
    const auto flush = [&] {
        if (!words.isEmpty())
            words += "\r\n ";
        words += "=?UTF-8?B?" + chunk.toBase64() + "?=";
        chunk.clear();
        budget = wordBytes(1);
    };
    for (int i = 0; i < text.size(); ++i) {
        const int length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray character = text.mid(i, length).toUtf8();
        i += length - 1;
        if (!chunk.isEmpty() && chunk.size() + character.size() > budget)
            flush();
        chunk += character;
    }
    if (!chunk.isEmpty())
        flush();
    return words;
}

QByteArray textHeader(const char *name, const QString &value)
{
    const QByteArray head = QByteArray(name) + ' ';
    if (isAscii(value)) {
        const QByteArray line = head + value.toLatin1();
        if (line.size() <= maxLineLength)
            return line + "\r\n";
        const QByteArray folded = foldedAtBlanks(line, head.size() - 1);
        if (longestLine(folded) <= maxLineLength)
            return folded + "\r\n";
    }
    return head + encodedWords(value, head.size()) + "\r\n";
}

QByteArray mailboxHeader(const char *name, const QString &sender)
{
    const QByteArray head = QByteArray(name) + ' ';
    const Mailbox box = mailbox(sender);
    if (isAscii(box.displayName))
        return head + sender.toUtf8() + "\r\n";
    QByteArray header = head + encodedWords(box.displayName, head.size());
    const QByteArray address = '<' + box.address.toUtf8() + '>';
    const int lastLine = header.size() - (header.lastIndexOf('\n') + 1);
    header += lastLine + 1 + address.size() > recommendedLineLength ? "\r\n " : " ";
    return header + address + "\r\n";
}

QByteArray addressHeader(const char *name, const QStringList &addresses)
{
    QByteArray header = name;
    int lineLength = header.size();
    for (int i = 0; i < addresses.size(); ++i) {
        const QByteArray address = addresses.at(i).toUtf8();
        if (i > 0) {
            header += ',';
            ++lineLength;
            if (lineLength + 1 + address.size() > recommendedLineLength) {
                header += "\r\n";
                lineLength = 0;
            }
        }
        header += ' ' + address;
        lineLength += 1 + address.size();
    }
    return header + "\r\n";
}

QByteArray quotedPrintable(const QByteArray &text)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray encoded;
    encoded.reserve(text.size() + text.size() / 4);
    int length = 0;
    for (int i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c == '\n') {
            encoded += "\r\n";
            length = 0;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        const bool lineEnds = i + 1 == text.size() || text.at(i + 1) == '\n';
        // A blank at the end of a line would be taken for transport padding
        // and dropped; a line of "." would end the message early.
        bool literal = (byte > ' ' && byte < 0x7f && c != '=') || (isBlank(c) && !lineEnds);
        const int size = literal ? 1 : 3;
        if (length + size > maxQuotedLine) {
            encoded += "=\r\n";
            length = 0;
        }
        if (length == 0 && c == '.')
            literal = false;
        if (literal) {
            encoded += c;
            length += 1;
        } else {
            encoded += '=';
            encoded += hex[byte >> 4];
            encoded += hex[byte & 0xf];
            length += 3;
        }
    }
    return encoded;
}

QByteArray base64Lines(const QByteArray &data)
{
    const QByteArray encoded = data.toBase64();
    QByteArray lines;
    lines.reserve(encoded.size() + encoded.size() / base64LineLength * 2 + 2);
    for (int i = 0; i < encoded.size(); i += base64LineLength)
        lines += encoded.mid(i, base64LineLength) + "\r\n";
    return lines;
}

QByteArray fileNameParameter(const char *parameter, const QString &fileName)
{
    const QByteArray utf8 = fileName.toUtf8();
    const bool plain = std::all_of(utf8.begin(), utf8.end(), [](char c) {
        return c >= ' ' && c < 0x7f && c != '"' && c != '\\';
    });
    if (plain && utf8.size() <= maxWordBytes * 2)
        return QByteArray(parameter) + "=\"" + utf8 + '"';
    // RFC 2231: every byte outside the attribute characters as %XX.
    return QByteArray(parameter) + "*=UTF-8''" + utf8.toPercentEncoding();
}

QByteArray multipartMixed(const QByteArray &textPart, const QList<Attachment> &attachments,
                          const QByteArray &boundary)
{
    const QByteArray delimiter = "--" + boundary;
    QByteArray mixed = "MIME-Version: 1.0\r\n"
                       "Content-Type: multipart/mixed;\r\n boundary=\""
        + boundary + "\"\r\n\r\nThis is a message in MIME format.\r\n" + delimiter + "\r\n" + textPart;
    for (const Attachment &attachment : attachments) {
        // The CRLF before a delimiter belongs to it, not to the part.
        QByteArray content = base64Lines(attachment.data);
        content.chop(2);
        // Long types (a spreadsheet's) start on a line of their own.
        const char *const typeHead = int(sizeof "Content-Type: ") + attachment.contentType.size() < recommendedLineLength
            ? "Content-Type: " : "Content-Type:\r\n ";
        mixed += "\r\n" + delimiter + "\r\n" + typeHead + attachment.contentType + ";\r\n "
            + fileNameParameter("name", attachment.fileName) + "\r\nContent-Transfer-Encoding: base64\r\n"
            + "Content-Disposition: attachment;\r\n " + fileNameParameter("filename", attachment.fileName)
            + "\r\n\r\n" + content;
    }
    return mixed + "\r\n" + delimiter + "--\r\n";
}

} // namespace MailEncoding
