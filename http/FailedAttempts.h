#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QString>

// Requests that carried a wrong token, by the address they came from. After
// a failure, the next token from that address is checked only once a delay
// has passed, and the delay doubles with every failure up to a bound: one
// address guesses a few times a second at first, once every few seconds soon.
// Closing a waiting connection gains nothing, since the turn is the
// address's, not the connection's. The log says so; an address quiet for a
// while starts afresh.
class FailedAttempts
{
    Q_DECLARE_TR_FUNCTIONS(FailedAttempts)

public:
    static constexpr int DefaultFirstDelayMs = 250;
    static constexpr int DefaultMaxDelayMs = 4000;
    static constexpr int forgetAfterMs = 15 * 60 * 1000;
    // More addresses than this and the quiet ones are forgotten.
    static constexpr int maxAddresses = 4096;

    FailedAttempts() { m_clock.start(); }

    // Takes the address's next turn to have a token checked: how long to
    // wait for it, 0 for an address without recent failures.
    int reserve(const QHostAddress &peer);
    // A wrong token from the address.
    void record(const QHostAddress &peer);
    void setDelays(int firstMs, int maxMs);

private:
    struct Entry
    {
        quint64 count = 0;
        qint64 nextCheck = 0; // on m_clock
        qint64 last = 0;
    };
    int delayAfter(quint64 count) const;
    void forgetQuiet(qint64 now);

    QElapsedTimer m_clock;
    QHash<QString, Entry> m_entries;
    int m_firstDelayMs = DefaultFirstDelayMs;
    int m_maxDelayMs = DefaultMaxDelayMs;
};
