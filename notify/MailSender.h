#pragma once

#include "notify/MailEncoding.h"
#include "notify/NotificationSettings.h"

#include <QObject>
#include <QString>

class Smtp;

// Sends one mail, an alert or the test mail, through Smtp with
// the notification settings as they are at that moment, and reports its
// outcome through SigMailSent. Lives for one mail; its creator deletes it
// (deferred) after SigMailSent.
class MailSender : public QObject
{
    Q_OBJECT

public:
    static constexpr int mailTimeoutMs = 5000;

    // Sends with these settings, which outlive the sender.
    explicit MailSender(const NotificationSettings &settings, QObject *parent = nullptr);

    bool sendTest(const QString &subject, const QString &body);
    // Any message to the alert recipients; false when there is none.
    // Otherwise SigMailSent follows.
    bool sendMessage(const QString &subject, const QString &body);
    // To these recipients, with these files attached.
    bool sendMessage(const QString &subject, const QString &body, const QList<Recipient> &recipients,
                     const QList<MailEncoding::Attachment> &attachments);

    void setTimeout(int timeoutMs) { m_timeoutMs = timeoutMs; }

    // Any of the three alert kinds is switched on (the window asks before
    // closing then).
    static bool alertsSwitchedOn(const NotificationSettings &settings);
    // Whether alerts of this kind (a firstDueAlert index) are mailed.
    static bool alertKindEnabled(const NotificationSettings &settings, int dueIndex);

signals:
    void SigMailSent(const QString &status);

public slots:
    void SlotMailSent(const QString &status);

private:
    const NotificationSettings &m_settings;
    Smtp *m_smtp = nullptr;
    int m_timeoutMs = mailTimeoutMs;
};
