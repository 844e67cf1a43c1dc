#include "operations/change/NewPasswords.h"

#include "values/Ipv4Text.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace NewPasswords {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("NewPasswords", text);
}

const char alphabet[] = "ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789";
const QByteArray byteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// "ADDRESS," or "ADDRESS;" at the start of a line, and where the password begins.
int passwordStart(const QString &line, QString *address)
{
    static const QRegularExpression head(QStringLiteral("^\\s*([0-9.]+)\\s*[,;]"));
    const QRegularExpressionMatch match = head.match(line);
    if (!match.hasMatch())
        return -1;
    *address = Ipv4Text::canonical(match.captured(1));
    return address->isEmpty() ? -1 : match.capturedEnd(0);
}

bool isHeader(const QString &line)
{
    static const QRegularExpression header(QStringLiteral("^\\s*ip\\s*[,;]\\s*password\\s*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return header.match(line).hasMatch();
}

} // namespace

Parsed parse(const QByteArray &data)
{
    Parsed parsed;
    QByteArray bytes = data;
    if (bytes.startsWith(byteOrderMark))
        bytes.remove(0, byteOrderMark.size());
    QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    int first = 0;
    while (first < lines.size() && lines.at(first).trimmed().isEmpty())
        ++first;
    const bool headed = first < lines.size() && isHeader(lines.at(first));
    QString address;
    const int firstRow = headed ? first + 1 : first;
    int probe = firstRow;
    while (probe < lines.size() && lines.at(probe).trimmed().isEmpty())
        ++probe;
    if (!headed && (probe >= lines.size() || passwordStart(lines.at(probe), &address) < 0)) {
        parsed.single = lines.value(0);
        return parsed;
    }
    parsed.isList = true;
    for (int i = firstRow; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.trimmed().isEmpty())
            continue;
        const int start = passwordStart(line, &address);
        const QString where = tr("line %1: ").arg(i + 1);
        if (start < 0) {
            parsed.error = where + tr("expected ADDRESS,PASSWORD");
            return parsed;
        }
        if (parsed.byAddress.contains(address)) {
            parsed.error = where + tr("%1 is given twice").arg(address);
            return parsed;
        }
        const QString password = line.mid(start);
        if (password.isEmpty()) {
            parsed.error = where + tr("the password of %1 is empty").arg(address);
            return parsed;
        }
        parsed.addresses.append(address);
        parsed.byAddress.insert(address, password);
    }
    if (parsed.addresses.isEmpty())
        parsed.error = tr("the list names no clock");
    return parsed;
}

Parsed readFile(const QString &path)
{
    QFile file(path);
    Parsed refused;
    if (!file.open(QIODevice::ReadOnly)) {
        refused.error = file.errorString();
        return refused;
    }
    const QByteArray data = file.read(MaxBytes + 1);
    if (data.size() > MaxBytes) {
        refused.error = tr("larger than %1 bytes").arg(MaxBytes);
        return refused;
    }
    return parse(data);
}

QString generate()
{
    constexpr quint32 symbols = sizeof(alphabet) - 1;
    QString password;
    password.reserve(GeneratedLength);
    QRandomGenerator *source = QRandomGenerator::system();
    for (int i = 0; i < GeneratedLength; ++i)
        password += QLatin1Char(alphabet[source->bounded(symbols)]);
    return password;
}

QByteArray write(const QVector<QPair<QString, QString>> &passwords)
{
    QByteArray bytes = "ip,password\n";
    for (const auto &entry : passwords)
        bytes += entry.first.toUtf8() + ',' + entry.second.toUtf8() + '\n';
    return bytes;
}

} // namespace NewPasswords
