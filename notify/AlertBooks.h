#pragma once

#include <QDateTime>
#include <QHash>

#include <array>

class ClockHealth;
struct NotificationSettings;

// What the mailer did about each clock's alerts, by clock id: the attempts
// and the delivery per kind of alert, and the last delivered mail. A kind's
// due alert may be mailed at most maxMails times per episode (its counter in
// ClockHealth rose from 0), and after a delivered mail not again for that
// episode until the resend interval has passed. The clock's health is only
// read here; these books are the mailer's own.
class AlertBooks
{
public:
    static constexpr int maxMails = 3;

    // The hours each resend choice names ("Never", "1 hour", "2 hours",
    // "4 hours", "8 hours"); 0 for never and for an unknown choice.
    static int resendHours(int resendChoice);

    // Opens the clock's books again once the resend interval of the
    // settings has passed since its last delivered mail.
    void reopenAfterResend(quint64 id, const ClockHealth &health, const NotificationSettings &settings,
                           const QDateTime &now);
    // The kind of the clock's due alert that may be mailed now; -1 when none
    // may: none is due, the due one was delivered or has used its attempts,
    // its kind is switched off in the settings, or the clock is quiet. A
    // switched-off kind or a quiet period counts no attempt, so the alert
    // follows once they end.
    int mailable(quint64 id, const ClockHealth &health, bool quiet, const NotificationSettings &settings) const;

    // A mail about the kind was started.
    void sent(quint64 id, int kind, const ClockHealth &health);
    // That mail was delivered at now.
    void delivered(quint64 id, int kind, const QDateTime &now);
    void forget(quint64 id) { m_books.remove(id); }

    // Attempts for the kind's current episode, and whether one was delivered.
    int attempts(quint64 id, int kind, const ClockHealth &health) const;
    bool isDelivered(quint64 id, int kind, const ClockHealth &health) const;
    QDateTime lastMail(quint64 id) const { return m_books.value(id).lastMail; }

private:
    struct Kind
    {
        quint32 episode = 0;
        int attempts = 0;
        bool delivered = false;
    };
    struct Book
    {
        std::array<Kind, 7> kinds{};
        QDateTime lastMail;
    };
    // The kind's entry, or nullptr when it speaks of an earlier episode.
    const Kind *current(quint64 id, int kind, const ClockHealth &health) const;

    QHash<quint64, Book> m_books;
};
