#include "model/AddressRange.h"

#include "values/Ipv4Text.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QRegularExpression>

namespace {

constexpr int addressBits = 32;
// Up to a /30 the first and the last address of a network are its own and
// its broadcast address; a /31 has no such pair (two hosts on a link).
constexpr int widestPrefixWithoutHosts = 30;

QString tr(const char *text)
{
    return QCoreApplication::translate("AddressRange", text);
}

bool readAddress(const QString &text, quint32 &address, QString *why)
{
    const QString canonical = Ipv4Text::canonical(text.trimmed());
    if (canonical.isEmpty()) {
        if (why)
            *why = QCoreApplication::translate("AddressRange", "\"%1\" is not an IPv4 address").arg(text.trimmed());
        return false;
    }
    address = QHostAddress(canonical).toIPv4Address();
    return true;
}

QString addressText(quint32 address)
{
    return QHostAddress(address).toString();
}

// Blocks no clock can be reached at: probing them would send the clocks'
// password to "this network", to every host of a multicast group, or out as
// a broadcast.
struct RefusedBlock
{
    quint32 first;
    quint32 last;
    const char *why;
};
const RefusedBlock refusedBlocks[] = {
    {0x00000000u, 0x00FFFFFFu, QT_TRANSLATE_NOOP("AddressRange", "%1 is in 0.0.0.0/8, which means \"this network\", not a host")},
    {0xE0000000u, 0xEFFFFFFFu, QT_TRANSLATE_NOOP("AddressRange", "%1 is a multicast address (224.0.0.0/4), not a clock")},
    {0xF0000000u, 0xFFFFFFFEu, QT_TRANSLATE_NOOP("AddressRange", "%1 is in the reserved block 240.0.0.0/4, not a clock")},
    {0xFFFFFFFFu, 0xFFFFFFFFu, QT_TRANSLATE_NOOP("AddressRange", "%1 is the limited broadcast address, not a clock")},
};

// The first address of first..last inside a refused block, with the reason.
bool refused(quint32 first, quint32 last, QString *why)
{
    for (const RefusedBlock &block : refusedBlocks) {
        if (last < block.first || first > block.last)
            continue;
        if (why)
            *why = tr(block.why).arg(addressText(qMax(first, block.first)));
        return true;
    }
    return false;
}

} // namespace

bool AddressRange::parse(const QString &text, AddressRange &range, QString *why)
{
    range = AddressRange();
    const QString trimmed = text.trimmed();
    quint32 first = 0;
    quint32 last = 0;
    const int slash = trimmed.indexOf(QLatin1Char('/'));
    const int dash = trimmed.indexOf(QLatin1Char('-'));
    if (slash >= 0) {
        quint32 address = 0;
        if (!readAddress(trimmed.left(slash), address, why))
            return false;
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,2}$"));
        const QString prefixText = trimmed.mid(slash + 1).trimmed();
        const int prefix = digits.match(prefixText).hasMatch() ? prefixText.toInt() : -1;
        if (prefix < 0 || prefix > addressBits) {
            if (why)
                *why = tr("\"/%1\" is not a prefix length from 0 to 32").arg(prefixText);
            return false;
        }
        const quint32 mask = prefix == 0 ? 0 : ~quint32(0) << (addressBits - prefix);
        first = address & mask;
        last = first | ~mask;
        if (prefix <= widestPrefixWithoutHosts) {
            ++first;
            --last;
        }
    } else if (dash >= 0) {
        if (!readAddress(trimmed.left(dash), first, why) || !readAddress(trimmed.mid(dash + 1), last, why))
            return false;
        if (last < first) {
            if (why)
                *why = tr("the range %1 ends before it starts").arg(trimmed);
            return false;
        }
    } else {
        if (!readAddress(trimmed, first, why))
            return false;
        last = first;
    }
    const quint64 count = quint64(last) - first + 1;
    if (count > quint64(MaxAddresses)) {
        if (why) {
            *why = tr("the range %1 holds %2 addresses; at most %3 are probed")
                       .arg(trimmed)
                       .arg(count)
                       .arg(MaxAddresses);
        }
        return false;
    }
    if (refused(first, last, why))
        return false;
    range.m_first = first;
    range.m_last = last;
    range.m_valid = true;
    return true;
}

QString AddressRange::first() const
{
    return m_valid ? addressText(m_first) : QString();
}

QString AddressRange::last() const
{
    return m_valid ? addressText(m_last) : QString();
}

QStringList AddressRange::addresses() const
{
    QStringList list;
    if (!m_valid)
        return list;
    list.reserve(count());
    for (quint64 address = m_first; address <= m_last; ++address)
        list << addressText(quint32(address));
    return list;
}

QString AddressRange::confirmationText() const
{
    return tr("The range %1 to %2 holds %3 addresses, more than %4.")
        .arg(first(), last())
        .arg(count())
        .arg(ConfirmAbove);
}
