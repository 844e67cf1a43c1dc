#pragma once

#include "values/TextCatalogue.h"

#include <QObject>
#include <QString>

class ClockRegistry;
class DevClock;
class Smtp;

// Sends one mail, an alert for a clock or the test mail, through Smtp with
// the notification settings as they are at that moment, and reports its
// outcome through SigMailSent. Lives for one mail; its creator deletes it
// (deferred) after SigMailSent.
class MailSender : public QObject
{
    Q_OBJECT

public:
    static constexpr int mailTimeoutMs = 5000;

    explicit MailSender(QObject *parent = nullptr);

    // false when nothing was sent: the clock's due kind of alert is switched
    // off, or there is no recipient. Otherwise SigMailSent follows.
    bool sendAlert(const DevClock &clock, const ClockRegistry &registry);
    bool sendTest(const QString &subject, const QString &body);
    // Any message to the alert recipients; false when there is none.
    bool sendMessage(const QString &subject, const QString &body);

    void setTimeout(int timeoutMs) { m_timeoutMs = timeoutMs; }

    // Any of the three alert kinds is switched on (the window asks before
    // closing then).
    static bool alertsSwitchedOn();
    // Whether alerts of this kind (a firstDueAlert index) are mailed.
    static bool alertKindEnabled(int dueIndex);
    static QString reasonText(int dueIndex, const TextCatalogue &texts = TextCatalogue());
    static QString alertSubject(const DevClock &clock);
    // Names the clock's group in the registry it is listed in.
    static QString alertBody(const DevClock &clock, const ClockRegistry &registry);

signals:
    void SigMailSent(const QString &status);

public slots:
    void SlotMailSent(const QString &status);

private:
    Smtp *m_smtp = nullptr;
    int m_timeoutMs = mailTimeoutMs;
};
