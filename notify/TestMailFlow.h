#pragma once

#include <QObject>
#include <QString>

#include <functional>

class MailSender;
struct NotificationSettings;

// The test e-mail of the notification page without its widgets: the page
// supplies the question and the saving of its settings, and shows the
// outcome that finished() carries. At most one test mail is under way.
class TestMailFlow : public QObject
{
    Q_OBJECT

public:
    enum class Choice { Cancel, SendOnly, SaveAndSend };
    using Asker = std::function<Choice()>;
    using Saver = std::function<void()>;

    // Mails with these settings, which outlive the flow.
    explicit TestMailFlow(const NotificationSettings &settings, QObject *parent = nullptr);
    ~TestMailFlow() override;

    // Asks "Save configuration before sending test e-mail?".
    void setAsker(Asker asker) { m_asker = std::move(asker); }
    // Saves the page's notification settings (and the state file).
    void setSaver(Saver saver) { m_saver = std::move(saver); }
    void setTimeout(int timeoutMs) { m_timeoutMs = timeoutMs; }

    bool isRunning() const { return m_sender != nullptr; }

    static QString subject();
    static QString body();

public slots:
    // The user asks for a test mail; does nothing while one is under way.
    void request();

signals:
    // success: show message with the success icon, else the failure icon.
    void finished(bool success, const QString &message);

private:
    void onMailSent(const QString &status);
    void release();

    Asker m_asker;
    Saver m_saver;
    const NotificationSettings &m_settings;
    MailSender *m_sender = nullptr;
    int m_timeoutMs;
};
