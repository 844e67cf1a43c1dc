#include "model/AddressPlan.h"

#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "values/Ipv4Text.h"
#include "values/MacText.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

#include <functional>

namespace AddressPlan {

namespace {

enum Column { ColumnIp, ColumnName, ColumnGroup, ColumnUser, ColumnPassword, ColumnMac, ColumnCount };
const char *const columnNames[ColumnCount] = {"ip", "name", "group", "user", "password", "mac"};

// The first characters that make a spreadsheet run a cell as a formula.
bool startsFormula(const QString &value)
{
    static const QString triggers = QStringLiteral("=+-@\t\r");
    return !value.isEmpty() && triggers.contains(value.at(0));
}

// The guard write() puts before such a cell, and before a cell beginning
// with the guard itself, so that removing one "'" is always exact.
const QChar guard = QLatin1Char('\'');

QString guarded(const QString &value)
{
    return startsFormula(value) || value.startsWith(guard) ? guard + value : value;
}

QString unguarded(const QString &value)
{
    const QString rest = value.mid(1);
    return value.startsWith(guard) && (startsFormula(rest) || rest.startsWith(guard)) ? rest : value;
}

const QByteArray byteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

QString tr(const char *text)
{
    return QCoreApplication::translate("AddressPlan", text);
}

QString atLine(int line, const QString &fault)
{
    return tr("line %1: %2").arg(line).arg(fault);
}

// The length of the well-formed UTF-8 sequence at i (no overlong forms, no
// surrogates, nothing above U+10FFFF), or 0.
int utf8Length(const QByteArray &data, int i)
{
    const auto byte = [&data](int at) { return at < data.size() ? uchar(data.at(at)) : 0; };
    const uchar lead = byte(i);
    if (lead < 0x80)
        return 1;
    int length = 0;
    uchar low = 0x80;
    uchar high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (int k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    }
    return length;
}

// The first line that is not UTF-8 text, counting LF, CR and CRLF as line
// ends; empty when every line is. Spreadsheet files picked by mistake hold
// NUL bytes; a file in another encoding holds bytes UTF-8 does not allow.
QString textFault(const QByteArray &data)
{
    int line = 1;
    for (int i = 0; i < data.size();) {
        const char c = data.at(i);
        if (c == '\0')
            return atLine(line, tr("this is not a text file (a spreadsheet must be saved as CSV)"));
        if (c == '\n' || (c == '\r' && (i + 1 >= data.size() || data.at(i + 1) != '\n')))
            ++line;
        const int length = uchar(c) < 0x80 ? 1 : utf8Length(data, i);
        if (length == 0)
            return atLine(line, tr("the text is not UTF-8"));
        i += length;
    }
    return QString();
}

struct Record
{
    int line = 0;
    QStringList fields; // never all empty: blank lines are skipped
};

// Splits the text (UTF-8 already checked) into records, RFC 4180 style; a
// lone carriage return also ends a line. Fields that were not quoted lose
// their surrounding blanks. It works on the bytes: every character it looks
// for is ASCII, which no byte of a longer UTF-8 sequence is, and a field
// becomes text only when it ends, so a large file is never held twice.
class Tokenizer
{
public:
    Tokenizer(const QByteArray &text, char separator) : m_text(text), m_separator(separator) {}

    // Hands each record that is not blank to take as soon as it ends; stops
    // when take returns false (its error set).
    bool run(const std::function<bool(const Record &)> &take, QString &error)
    {
        const int size = m_text.size();
        for (int i = 0; i < size; ++i) {
            const char c = m_text.at(i);
            if (m_inQuotes) {
                if (c == '"') {
                    if (nextIs(i, '"')) {
                        m_field += c;
                        ++i;
                    } else {
                        m_inQuotes = false;
                        m_closed = true;
                    }
                } else {
                    if (c == '\n' || (c == '\r' && !nextIs(i, '\n')))
                        ++m_line;
                    m_field += c;
                }
                continue;
            }
            if (c == m_separator) {
                endField();
            } else if (c == '\n' || c == '\r') {
                if (c == '\r' && nextIs(i, '\n'))
                    ++i;
                endField();
                if (!endRecord(take))
                    return false;
                ++m_line;
                m_recordLine = m_line;
            } else if (c == '"') {
                if (m_closed || !QString::fromUtf8(m_field).trimmed().isEmpty()) {
                    error = atLine(m_line, m_closed ? afterQuoteText() : insideFieldText());
                    return false;
                }
                m_field.clear();
                m_quoted = true;
                m_inQuotes = true;
                m_quoteLine = m_line;
            } else if (m_closed) {
                const int length = qMax(1, utf8Length(m_text, i));
                if (!QString::fromUtf8(m_text.constData() + i, length).trimmed().isEmpty()) {
                    error = atLine(m_line, afterQuoteText());
                    return false;
                }
                i += length - 1;
            } else {
                m_field += c;
            }
        }
        if (m_inQuotes) {
            error = atLine(m_quoteLine, QCoreApplication::translate("AddressPlan", "a quoted field is not closed"));
            return false;
        }
        if (!m_fields.isEmpty() || !m_field.isEmpty() || m_quoted) {
            endField();
            return endRecord(take);
        }
        return true;
    }

private:
    static QString afterQuoteText()
    {
        return QCoreApplication::translate("AddressPlan", "text after a closing quote");
    }
    static QString insideFieldText()
    {
        return QCoreApplication::translate("AddressPlan", "a quote inside a field that does not begin with one");
    }
    bool nextIs(int i, char c) const { return i + 1 < m_text.size() && m_text.at(i + 1) == c; }

    void endField()
    {
        const QString field = m_field.isEmpty() ? QString() : QString::fromUtf8(m_field);
        const QString value = m_quoted || field.isEmpty() ? field : field.trimmed();
        // Empty fields before the first that is not are only counted: blank
        // lines, which spreadsheets write by the thousand, cost nothing.
        if (value.isEmpty() && m_fields.isEmpty()) {
            ++m_leadingEmpty;
        } else {
            for (; m_leadingEmpty > 0; --m_leadingEmpty)
                m_fields << QString();
            m_fields << value;
        }
        if (!m_field.isEmpty())
            m_field.resize(0); // keeps its buffer for the next field
        m_quoted = false;
        m_closed = false;
    }

    bool endRecord(const std::function<bool(const Record &)> &take)
    {
        m_leadingEmpty = 0;
        if (m_fields.isEmpty())
            return true;
        const Record record{m_recordLine, m_fields};
        m_fields.clear();
        return take(record);
    }

    const QByteArray &m_text;
    const char m_separator;
    QStringList m_fields;
    int m_leadingEmpty = 0;
    QByteArray m_field;
    bool m_quoted = false;   // the field began with a quote
    bool m_inQuotes = false; // inside that quote now
    bool m_closed = false;   // its closing quote has passed
    int m_line = 1;
    int m_recordLine = 1;
    int m_quoteLine = 1;
};

// The header's separator: a semicolon when its first line has semicolons
// and no commas (what spreadsheets write where the comma is the decimal
// mark), a comma otherwise.
char separatorOf(const QByteArray &text)
{
    int end = 0;
    while (end < text.size() && text.at(end) != '\n' && text.at(end) != '\r')
        ++end;
    const QByteArray first = text.left(end);
    return first.contains(';') && !first.contains(',') ? ';' : ',';
}

// The column of each header field, or an error.
bool readHeader(const Record &header, QVector<int> &columns, QString &error)
{
    QVector<bool> seen(ColumnCount, false);
    for (const QString &field : header.fields) {
        const QString name = field.trimmed().toLower();
        int column = 0;
        while (column < ColumnCount && name != QLatin1String(columnNames[column]))
            ++column;
        if (column == ColumnCount) {
            error = atLine(header.line, tr("unknown column \"%1\" (the columns are ip, name, group, user, "
                                           "password and mac)")
                                            .arg(field));
            return false;
        }
        if (seen.at(column)) {
            error = atLine(header.line, tr("the column \"%1\" is named twice").arg(name));
            return false;
        }
        seen[column] = true;
        columns.append(column);
    }
    if (!seen.at(ColumnIp)) {
        error = atLine(header.line, tr("the header names no \"ip\" column"));
        return false;
    }
    return true;
}

bool readRow(const Record &record, const QVector<int> &columns, PlanRow &row, QString &error)
{
    if (record.fields.size() > columns.size()) {
        error = atLine(record.line, tr("%1 fields where the header names %2").arg(record.fields.size()).arg(columns.size()));
        return false;
    }
    row.line = record.line;
    for (int i = 0; i < record.fields.size(); ++i) {
        const QString value = unguarded(record.fields.at(i));
        switch (columns.at(i)) {
        case ColumnIp:
            row.ip = value.trimmed();
            break;
        case ColumnName:
            row.name = value;
            break;
        case ColumnGroup:
            row.group = value;
            break;
        case ColumnUser:
            row.user = value;
            break;
        case ColumnPassword:
            row.password = value;
            break;
        case ColumnMac:
            row.mac = value.trimmed();
            break;
        }
    }
    if (row.ip.isEmpty()) {
        error = atLine(record.line, tr("no address"));
        return false;
    }
    const QString canonical = Ipv4Text::canonical(row.ip);
    if (canonical.isEmpty()) {
        error = atLine(record.line, tr("\"%1\" is not an IPv4 address").arg(row.ip));
        return false;
    }
    row.ip = canonical;
    if (!row.mac.isEmpty()) {
        const QString mac = MacText::canonical(row.mac);
        if (mac.isEmpty()) {
            error = atLine(record.line, tr("\"%1\" is not a MAC address like 02-A7-3C-DC-00-00").arg(row.mac));
            return false;
        }
        row.mac = mac;
    }
    // Names are kept as the list holds them ("&", "=" and line breaks
    // included); only sending one to a clock (--rename) refuses them.
    // A group never reaches a clock, so "&" and "=" are harmless there (the
    // window accepts them); a line break or escape would forge lines in logs
    // and tables.
    for (const QChar c : qAsConst(row.group)) {
        if (c.category() == QChar::Other_Control) {
            error = atLine(record.line, tr("the group holds a control character"));
            return false;
        }
    }
    return true;
}

// Quoted when a reader would otherwise split it, or lose its blanks.
QString csvField(const QString &raw)
{
    const QString value = guarded(raw);
    const bool needsQuotes = value.contains(QLatin1Char(',')) || value.contains(QLatin1Char(';'))
        || value.contains(QLatin1Char('"')) || value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'))
        || value != value.trimmed();
    if (!needsQuotes)
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

Parsed parse(const QByteArray &data)
{
    Parsed parsed;
    if (data.size() > MaxBytes) {
        parsed.error = tr("the file is larger than %1 MB").arg(MaxBytes / (1024 * 1024));
        return parsed;
    }
    const QByteArray bytes = data.startsWith(byteOrderMark) ? data.mid(byteOrderMark.size()) : data;
    parsed.error = textFault(bytes);
    if (!parsed.ok())
        return parsed;

    QVector<int> columns;
    bool header = true;
    // Rows at one address are told apart by their MACs: the first line of
    // each address, of each address and MAC, and of a row without a MAC.
    QHash<QString, int> lineOfAddress;
    QHash<QString, int> lineOfAddressMac;
    QHash<QString, int> lineWithoutMac;
    QVector<PlanRow> &rows = parsed.rows;
    // Each row is checked as it is read: a huge file is refused at its first
    // fault or at the row past the cap, never held whole.
    const auto take = [&](const Record &record) {
        if (header) {
            header = false;
            return readHeader(record, columns, parsed.error);
        }
        if (rows.size() == MaxRows) {
            parsed.error = tr("the plan lists more than %1 addresses").arg(MaxRows);
            return false;
        }
        PlanRow row;
        if (!readRow(record, columns, row, parsed.error))
            return false;
        const QString both = row.ip + QLatin1Char('/') + row.mac;
        int earlier = lineWithoutMac.value(row.ip);
        if (earlier == 0)
            earlier = row.mac.isEmpty() ? lineOfAddress.value(row.ip) : lineOfAddressMac.value(both);
        if (earlier != 0) {
            parsed.error = atLine(row.line, tr("%1 is already on line %2").arg(row.ip).arg(earlier));
            return false;
        }
        lineOfAddress.insert(row.ip, lineOfAddress.value(row.ip, row.line));
        if (row.mac.isEmpty())
            lineWithoutMac.insert(row.ip, row.line);
        else
            lineOfAddressMac.insert(both, row.line);
        rows.append(row);
        return true;
    };
    if (!Tokenizer(bytes, separatorOf(bytes)).run(take, parsed.error)) {
        rows.clear();
        return parsed;
    }
    if (header)
        parsed.error = tr("the file is empty");
    else if (rows.isEmpty())
        parsed.error = tr("the plan lists no address");
    return parsed;
}

QByteArray write(const QVector<PlanRow> &rows)
{
    QStringList names;
    for (const char *name : columnNames)
        names << QLatin1String(name);
    QString text = names.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const PlanRow &row : rows) {
        text += QStringList{csvField(row.ip),   csvField(row.name),     csvField(row.group),
                            csvField(row.user), csvField(row.password), csvField(row.mac)}
                    .join(QLatin1Char(','))
            + QLatin1Char('\n');
    }
    return text.toUtf8();
}

QVector<PlanRow> fromClocks(const ClockRegistry &registry, bool withPasswords)
{
    QVector<PlanRow> rows;
    rows.reserve(registry.clockCount());
    for (const DevClock *clock : registry.clocks()) {
        PlanRow row;
        row.ip = clock->network.ip;
        row.name = clock->name;
        if (const DevGroup *group = registry.groupOfClock(clock))
            row.group = group->name();
        row.user = clock->user;
        // Tells apart clocks that share an address (the factory address).
        const QString mac = MacText::canonical(clock->mac);
        if (MacText::isIdentity(mac))
            row.mac = mac;
        if (withPasswords)
            row.password = clock->password;
        rows.append(row);
    }
    return rows;
}

} // namespace AddressPlan
