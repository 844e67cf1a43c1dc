#include "notify/MailSender.h"

#include "core/AppIdentity.h"
#include "model/ClockRegistry.h"
#include "model/ClockStatus.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "notify/NotificationSettings.h"
#include "notify/Smtp.h"

namespace {

const QString lineEnd = QStringLiteral("\r\n");

} // namespace

MailSender::MailSender(QObject *parent) : QObject(parent)
{
}

bool MailSender::alertsSwitchedOn()
{
    const NotificationSettings &settings = notificationSettings();
    return settings.errorNtpTimeout || settings.errorConnection || settings.errorAuth;
}

bool MailSender::alertKindEnabled(int dueIndex)
{
    const NotificationSettings &settings = notificationSettings();
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

QString MailSender::reasonText(int dueIndex, const TextCatalogue &texts)
{
    const auto tr = [&texts](const char *sourceText) { return texts.translate("MailSender", sourceText); };
    switch (dueIndex) {
    case NtpTimeout:
    case NtpOther:
        return tr("Ntp server timeout");
    case NtpNoConnection:
        return tr("Connection error");
    case NtpNoAuthentication:
        return tr("No authentication");
    default:
        return QString();
    }
}

QString MailSender::alertSubject(const DevClock &clock)
{
    return appDisplayName() + QLatin1Char(' ') + tr("alert: ") + clock.name + QStringLiteral(" IP: ")
        + clock.network.ip;
}

QString MailSender::alertBody(const DevClock &clock, const ClockRegistry &registry)
{
    const QString group = registry.groupNameOf(clock);
    const QString groupName = group.isEmpty() ? tr("None") : group;
    return tr("Clock name: ") + clock.name + lineEnd + tr("IP: ") + clock.network.ip + lineEnd + tr("Group: ")
        + groupName + lineEnd + tr("Error code: ") + reasonText(clock.firstDueAlert());
}

bool MailSender::sendAlert(const DevClock &clock, const ClockRegistry &registry)
{
    if (!alertKindEnabled(clock.firstDueAlert()))
        return false;
    return sendMessage(alertSubject(clock), alertBody(clock, registry));
}

bool MailSender::sendTest(const QString &subject, const QString &body)
{
    return sendMessage(subject, body);
}

bool MailSender::sendMessage(const QString &subject, const QString &body)
{
    if (m_smtp)
        return false;
    const NotificationSettings &settings = notificationSettings();
    m_smtp = new Smtp(settings.authType, settings.username, settings.password, settings.server, settings.port,
                      m_timeoutMs, this);
    m_smtp->setConnectionType(settings.smtpType);
    m_smtp->setIgnoreSslErrors(settings.ignoreSslErrors);
    connect(m_smtp, &Smtp::status, this, &MailSender::SlotMailSent);
    if (!m_smtp->sendMail(settings.from, settings.recipients, subject, body)) {
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
