#include "http/FailedAttempts.h"

#include <QDebug>

#include <algorithm>

void FailedAttempts::setDelays(int firstMs, int maxMs)
{
    m_firstDelayMs = firstMs;
    m_maxDelayMs = maxMs;
}

int FailedAttempts::delayAfter(quint64 count) const
{
    const int doublings = int(std::min<quint64>(count - 1, 16));
    return int(std::min<qint64>(qint64(m_firstDelayMs) << doublings, m_maxDelayMs));
}

void FailedAttempts::forgetQuiet(qint64 now)
{
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (now - it->last > forgetAfterMs)
            it = m_entries.erase(it);
        else
            ++it;
    }
    // A flood from many addresses: start afresh rather than grow.
    if (m_entries.size() >= maxAddresses)
        m_entries.clear();
}

int FailedAttempts::reserve(const QHostAddress &peer)
{
    const qint64 now = m_clock.elapsed();
    const auto entry = m_entries.find(peer.toString());
    if (entry == m_entries.end() || now - entry->last > forgetAfterMs)
        return 0;
    const qint64 turn = std::max(now, entry->nextCheck);
    entry->nextCheck = turn + delayAfter(entry->count);
    return int(turn - now);
}

void FailedAttempts::record(const QHostAddress &peer)
{
    const qint64 now = m_clock.elapsed();
    const QString key = peer.toString();
    auto entry = m_entries.find(key);
    if (entry != m_entries.end() && now - entry->last > forgetAfterMs)
        *entry = Entry();
    if (entry == m_entries.end()) {
        forgetQuiet(now);
        entry = m_entries.insert(key, Entry());
    }
    entry->last = now;
    const quint64 count = ++entry->count;
    entry->nextCheck = std::max(entry->nextCheck, now + delayAfter(count));
    // 1, 10, 100, ... so that a guesser cannot fill the log either.
    quint64 logged = 1;
    while (logged * 10 <= count)
        logged *= 10;
    if (count == logged)
        qWarning().noquote() << tr("Refused a request with a wrong token from %1 (%2 from there so far); "
                                   "its next tokens are checked ever more slowly.")
                                    .arg(key)
                                    .arg(count);
}
