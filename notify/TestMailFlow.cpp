#include "notify/TestMailFlow.h"

#include "core/AppIdentity.h"
#include "notify/MailSender.h"
#include "notify/Smtp.h"

TestMailFlow::TestMailFlow(const NotificationSettings &settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_timeoutMs(MailSender::mailTimeoutMs)
{
}

TestMailFlow::~TestMailFlow()
{
    delete m_sender;
}

QString TestMailFlow::subject()
{
    return tr("%1 Notification Test").arg(appDisplayName());
}

QString TestMailFlow::body()
{
    return tr("This is %1 notification test e-mail.").arg(appDisplayName());
}

void TestMailFlow::request()
{
    if (m_sender)
        return;
    const Choice choice = m_asker ? m_asker() : Choice::SendOnly;
    if (choice == Choice::Cancel)
        return;
    if (choice == Choice::SaveAndSend && m_saver)
        m_saver();

    m_sender = new MailSender(m_settings, this);
    m_sender->setTimeout(m_timeoutMs);
    connect(m_sender, &MailSender::SigMailSent, this, &TestMailFlow::onMailSent);
    if (!m_sender->sendTest(subject(), body())) {
        release();
        // Nothing went out: the only reason is that nobody would receive it.
        emit finished(false, tr("Test e-mail sent failed: no recipient is set."));
    }
}

void TestMailFlow::onMailSent(const QString &status)
{
    release();
    if (status == Smtp::sentText)
        emit finished(true, tr("Test e-mail has been sent successfully."));
    else
        emit finished(false, tr("Test e-mail sent failed") + QStringLiteral(":\n") + status);
}

void TestMailFlow::release()
{
    if (!m_sender)
        return;
    m_sender->disconnect(this);
    m_sender->deleteLater();
    m_sender = nullptr;
}
