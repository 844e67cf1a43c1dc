#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// One alert recipient: an e-mail address, sent to as "Cc" when copy is set,
// as "To" otherwise.
struct Recipient
{
    QString name;
    bool copy = false;

    friend bool operator==(const Recipient &a, const Recipient &b)
    {
        return a.name == b.name && a.copy == b.copy;
    }
    friend bool operator!=(const Recipient &a, const Recipient &b) { return !(a == b); }
};
Q_DECLARE_METATYPE(Recipient)

// The e-mail alert settings, kept in the state file. The password is held in
// clear in memory; only the state file encodes it.
struct NotificationSettings
{
    static constexpr int defaultPort = 465;
    static constexpr int defaultAuthType = 2;
    static constexpr int defaultCollectionWindowSeconds = 60;
    static constexpr int maxCollectionWindowSeconds = 3600;

    QString server;
    int port = defaultPort;
    QString username;
    QString password;
    QString from;
    bool ignoreSslErrors = false;
    int resendMailTime = 0;
    QList<Recipient> recipients;
    // Kept and written back unchanged; nothing else uses them.
    QString key;
    QString cert;
    bool errorConnection = false;
    bool errorAuth = false;
    bool errorNtpTimeout = false;
    int authType = defaultAuthType;
    int smtpType = 0;
    // Alerts that fall due within this many seconds of the first go out as
    // one mail; so do the clocks that come back.
    int collectionWindowSeconds = defaultCollectionWindowSeconds;
    // A mail when clocks whose alert was delivered are well again.
    bool recoveryMails = true;

    // The availability report of the previous month, mailed on this day of
    // every month (1..28, so that every month has it).
    static constexpr int minAvailabilityMailDay = 1;
    static constexpr int maxAvailabilityMailDay = 28;
    bool availabilityMail = false;
    int availabilityMailDay = minAvailabilityMailDay;
    // Empty: the alert recipients.
    QList<Recipient> availabilityRecipients;
    // The month last mailed, "yyyy-MM"; the mail's own bookkeeping, not a
    // setting the user edits.
    QString availabilityLastMonth;
    const QList<Recipient> &availabilityMailRecipients() const
    {
        return availabilityRecipients.isEmpty() ? recipients : availabilityRecipients;
    }

    friend bool operator==(const NotificationSettings &a, const NotificationSettings &b);
    friend bool operator!=(const NotificationSettings &a, const NotificationSettings &b) { return !(a == b); }
};
