#include "http/ListenerHosts.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

const QString localhost = QStringLiteral("localhost");

QString withoutFinalDot(QString name)
{
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name.toLower();
}

// 192.0.2.1 reached over an IPv6 socket arrives as ::ffff:192.0.2.1.
QHostAddress plain(const QHostAddress &address)
{
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4) : address;
}

bool isPort(const QByteArray &text)
{
    return !text.isEmpty() && text.size() <= 5
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

void ListenerHosts::setNames(const QStringList &names)
{
    m_names.clear();
    for (const QString &name : names)
        m_names << withoutFinalDot(name);
}

bool ListenerHosts::isName(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?"
                                                        "(\\.[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)*\\.?$"));
    return text.size() <= 253 && form.match(text).hasMatch();
}

bool ListenerHosts::allowsAddress(const QHostAddress &address, const QHostAddress &arrivedAt) const
{
    const QHostAddress wanted = plain(address);
    if (wanted == plain(arrivedAt))
        return true;
    return std::any_of(m_addresses.cbegin(), m_addresses.cend(),
                       [&wanted](const QHostAddress &own) { return plain(own) == wanted; });
}

bool ListenerHosts::allowsHost(const QByteArray &host, const QHostAddress &arrivedAt) const
{
    if (host.isEmpty())
        return true;
    QByteArray name = host;
    if (name.startsWith('[')) {
        const int close = name.indexOf(']');
        const QByteArray rest = close < 0 ? QByteArray() : name.mid(close + 1);
        if (close < 0 || (!rest.isEmpty() && !(rest.startsWith(':') && isPort(rest.mid(1)))))
            return false;
        QHostAddress address;
        return address.setAddress(QString::fromLatin1(name.mid(1, close - 1)))
            && address.protocol() == QAbstractSocket::IPv6Protocol && allowsAddress(address, arrivedAt);
    }
    const int colon = name.lastIndexOf(':');
    if (colon >= 0) {
        if (!isPort(name.mid(colon + 1)))
            return false;
        name.truncate(colon);
    }
    const QString text = QString::fromLatin1(name);
    QHostAddress address;
    if (!text.isEmpty() && text.at(text.size() - 1).isDigit() && address.setAddress(text))
        return address.protocol() == QAbstractSocket::IPv4Protocol && allowsAddress(address, arrivedAt);
    if (!isName(text))
        return false;
    const QString wanted = withoutFinalDot(text);
    return wanted == localhost || m_names.contains(wanted);
}

bool ListenerHosts::allowsOrigin(const QByteArray &origin, const QHostAddress &arrivedAt) const
{
    if (origin.isEmpty())
        return true;
    const QByteArray lower = origin.toLower();
    for (const QByteArray scheme : {QByteArray("http://"), QByteArray("https://")}) {
        // Nothing may follow the host: an origin has no path.
        if (lower.startsWith(scheme) && lower.indexOf('/', scheme.size()) < 0)
            return allowsHost(origin.mid(scheme.size()), arrivedAt);
    }
    return false; // "null" among them: a sandboxed or local-file page
}
