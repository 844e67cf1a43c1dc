#include "notify/MailSender.h"

#include "model/ClockStatus.h"
#include "notify/NotificationSettings.h"
#include "notify/Smtp.h"

MailSender::MailSender(const NotificationSettings &settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
{
}

bool MailSender::alertsSwitchedOn(const NotificationSettings &settings)
{
    return settings.errorNtpTimeout || settings.errorConnection || settings.errorAuth;
}

bool MailSender::alertKindEnabled(const NotificationSettings &settings, int dueIndex)
{
    switch (dueIndex) {
    case NtpTimeout:
    case NtpOther:
        return settings.errorNtpTimeout;
    case NtpNoConnection:
        return settings.errorConnection;
    case NtpNoAuthentication:
        return settings.errorAuth;
    default:
        return true;
    }
}

bool MailSender::sendTest(const QString &subject, const QString &body)
{
    return sendMessage(subject, body);
}

bool MailSender::sendMessage(const QString &subject, const QString &body)
{
    return sendMessage(subject, body, m_settings.recipients, {});
}

bool MailSender::sendMessage(const QString &subject, const QString &body, const QList<Recipient> &recipients,
                             const QList<MailEncoding::Attachment> &attachments)
{
    if (m_smtp)
        return false;
    const NotificationSettings &settings = m_settings;
    m_smtp = new Smtp(settings.authType, settings.username, settings.password, settings.server, settings.port,
                      m_timeoutMs, this);
    m_smtp->setConnectionType(settings.smtpType);
    m_smtp->setIgnoreSslErrors(settings.ignoreSslErrors);
    connect(m_smtp, &Smtp::status, this, &MailSender::SlotMailSent);
    if (!m_smtp->sendMail(settings.from, recipients, subject, body, attachments)) {
        delete m_smtp;
        m_smtp = nullptr;
        return false;
    }
    return true;
}

void MailSender::SlotMailSent(const QString &status)
{
    // The client reports once; it is released before anyone hears of the
    // outcome, so a listener may even delete this sender.
    if (m_smtp) {
        m_smtp->disconnect(this);
        m_smtp->setParent(nullptr);
        m_smtp->deleteLater();
        m_smtp = nullptr;
    }
    emit SigMailSent(status);
}
