#pragma once

#include <QString>
#include <QStringList>

// A span of IPv4 addresses to look for clocks in, as an installer types it:
// "10.20.1.10-10.20.1.200", "10.20.1.0/24" (its hosts, .1 to .254) or a
// single address. Clocks behind routers are out of reach of a broadcast
// search; each address of the span is asked directly instead.
class AddressRange
{
public:
    // More than this are probed only once the user confirms (the window asks,
    // zentick-cli wants --force): a slip of the prefix would otherwise start
    // a scan of an hour.
    static constexpr int ConfirmAbove = 4096;
    // Never more: a site does not number its clocks in anything wider than a /16.
    static constexpr int MaxAddresses = 65536;

    // False, with the reason in why, for text that is no range, a range that
    // ends before it starts, one of more than MaxAddresses addresses, or one
    // that reaches into 0.0.0.0/8, multicast, 240.0.0.0/4 or the broadcast.
    static bool parse(const QString &text, AddressRange &range, QString *why = nullptr);

    int count() const { return m_valid ? int(m_last - m_first + 1) : 0; }
    bool needsConfirmation() const { return count() > ConfirmAbove; }
    QString first() const;
    QString last() const;
    // Every address, ascending.
    QStringList addresses() const;
    // Why a range that needs confirmation was not probed unasked.
    QString confirmationText() const;

private:
    quint32 m_first = 0;
    quint32 m_last = 0;
    bool m_valid = false;
};
