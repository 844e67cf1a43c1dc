#include "AddressPlan.h"

#include "ClockRegistry.h"
#include "DevClock.h"
#include "DevGroup.h"
#include "Ipv4Text.h"
#include "ParameterText.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <QTextCodec>

namespace AddressPlan {

namespace {

enum Column { ColumnIp, ColumnName, ColumnGroup, ColumnUser, ColumnPassword, ColumnCount };
const char *const columnNames[ColumnCount] = {"ip", "name", "group", "user", "password"};

const QByteArray byteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

QString tr(const char *text)
{
    return QCoreApplication::translate("AddressPlan", text);
}

QString atLine(int line, const QString &fault)
{
    return tr("line %1: %2").arg(line).arg(fault);
}

// The first line that is not UTF-8 text; 0 when every line is. Spreadsheet
// files picked by mistake hold NUL bytes; a file in another encoding holds
// bytes UTF-8 does not allow.
QString textFault(const QByteArray &data)
{
    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    int line = 1;
    int start = 0;
    while (start <= data.size()) {
        int end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        const QByteArray bytes = data.mid(start, end - start);
        if (bytes.contains('\0'))
            return atLine(line, tr("this is not a text file (a spreadsheet must be saved as CSV)"));
        QTextCodec::ConverterState state;
        utf8->toUnicode(bytes.constData(), bytes.size(), &state);
        if (state.invalidChars > 0 || state.remainingChars > 0)
            return atLine(line, tr("the text is not UTF-8"));
        start = end + 1;
        ++line;
    }
    return QString();
}

struct Record
{
    int line = 0;
    QStringList fields;
    // A blank line, or one of separators only (spreadsheets write those).
    bool blank() const
    {
        for (const QString &field : fields) {
            if (!field.isEmpty())
                return false;
        }
        return true;
    }
};

// Splits the text into records, RFC 4180 style; a lone carriage return also
// ends a line. Fields that were not quoted lose their surrounding blanks.
class Tokenizer
{
public:
    Tokenizer(const QString &text, QChar separator) : m_text(text), m_separator(separator) {}

    bool run(QVector<Record> &records, QString &error)
    {
        const int size = m_text.size();
        for (int i = 0; i < size; ++i) {
            const QChar c = m_text.at(i);
            if (m_inQuotes) {
                if (c == QLatin1Char('"')) {
                    if (i + 1 < size && m_text.at(i + 1) == QLatin1Char('"')) {
                        m_field += c;
                        ++i;
                    } else {
                        m_inQuotes = false;
                        m_closed = true;
                    }
                } else {
                    if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && !nextIs(i, QLatin1Char('\n'))))
                        ++m_line;
                    m_field += c;
                }
                continue;
            }
            if (c == m_separator) {
                endField();
            } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
                if (c == QLatin1Char('\r') && nextIs(i, QLatin1Char('\n')))
                    ++i;
                endField();
                endRecord(records);
                ++m_line;
                m_recordLine = m_line;
            } else if (c == QLatin1Char('"')) {
                if (m_closed || !m_field.trimmed().isEmpty()) {
                    error = atLine(m_line, m_closed ? afterQuoteText() : insideFieldText());
                    return false;
                }
                m_field.clear();
                m_quoted = true;
                m_inQuotes = true;
                m_quoteLine = m_line;
            } else if (m_closed) {
                if (!c.isSpace()) {
                    error = atLine(m_line, afterQuoteText());
                    return false;
                }
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
            endRecord(records);
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
    bool nextIs(int i, QChar c) const { return i + 1 < m_text.size() && m_text.at(i + 1) == c; }

    void endField()
    {
        m_fields << (m_quoted ? m_field : m_field.trimmed());
        m_field.clear();
        m_quoted = false;
        m_closed = false;
    }

    void endRecord(QVector<Record> &records)
    {
        Record record{m_recordLine, m_fields};
        m_fields.clear();
        if (!record.blank())
            records.append(record);
    }

    const QString &m_text;
    const QChar m_separator;
    QStringList m_fields;
    QString m_field;
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
QChar separatorOf(const QString &text)
{
    const int end = text.indexOf(QLatin1Char('\n'));
    const QString first = end < 0 ? text : text.left(end);
    return first.contains(QLatin1Char(';')) && !first.contains(QLatin1Char(','))
        ? QLatin1Char(';')
        : QLatin1Char(',');
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
            error = atLine(header.line, tr("unknown column \"%1\" (the columns are ip, name, group, user and "
                                           "password)")
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
        const QString &value = record.fields.at(i);
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
    // Both go to the clock unencoded (see ParameterText).
    if (!ParameterText::isSafe(row.name)) {
        error = atLine(record.line, tr("the name holds \"&\", \"=\" or a control character, which the clock "
                                       "would misread"));
        return false;
    }
    if (!ParameterText::isSafe(row.password)) {
        error = atLine(record.line, tr("the password holds \"&\", \"=\" or a control character, which the "
                                       "clock would misread"));
        return false;
    }
    return true;
}

// Quoted when a reader would otherwise split it, or lose its blanks.
QString csvField(const QString &value)
{
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

    const QString text = QString::fromUtf8(bytes);
    QVector<Record> records;
    if (!Tokenizer(text, separatorOf(text)).run(records, parsed.error))
        return parsed;
    if (records.isEmpty()) {
        parsed.error = tr("the file is empty");
        return parsed;
    }
    QVector<int> columns;
    if (!readHeader(records.constFirst(), columns, parsed.error))
        return parsed;
    if (records.size() == 1) {
        parsed.error = tr("the plan lists no address");
        return parsed;
    }
    if (records.size() - 1 > MaxRows) {
        parsed.error = tr("the plan lists more than %1 addresses").arg(MaxRows);
        return parsed;
    }

    QHash<QString, int> lineOfAddress;
    QVector<PlanRow> rows;
    rows.reserve(records.size() - 1);
    for (int i = 1; i < records.size(); ++i) {
        PlanRow row;
        if (!readRow(records.at(i), columns, row, parsed.error))
            return parsed;
        const auto earlier = lineOfAddress.constFind(row.ip);
        if (earlier != lineOfAddress.constEnd()) {
            parsed.error = atLine(row.line, tr("%1 is already on line %2").arg(row.ip).arg(earlier.value()));
            return parsed;
        }
        lineOfAddress.insert(row.ip, row.line);
        rows.append(row);
    }
    parsed.rows = rows;
    return parsed;
}

QByteArray write(const QVector<PlanRow> &rows)
{
    QStringList names;
    for (const char *name : columnNames)
        names << QLatin1String(name);
    QString text = names.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const PlanRow &row : rows) {
        text += QStringList{csvField(row.ip), csvField(row.name), csvField(row.group), csvField(row.user),
                            csvField(row.password)}
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
        if (withPasswords)
            row.password = clock->password;
        rows.append(row);
    }
    return rows;
}

} // namespace AddressPlan
