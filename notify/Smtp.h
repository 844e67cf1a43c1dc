#pragma once

#include "notify/MailEncoding.h"
#include "notify/NotificationSettings.h"
#include "notify/SmtpReplyBuffer.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslError>
#include <QString>

class QSslSocket;
class QTimer;

// Position in the SMTP dialogue; the numbers are the ones the program has
// always used, so keep them.
enum class SmtpState : int {
    StartTls = 1,
    TlsStarted = 2,
    Ehlo = 3,
    Auth = 4,
    User = 5,
    Pass = 6,
    Rcpt = 7,
    Mail = 8,
    Data = 9,
    Init = 10,
    Body = 11,
    Quit = 12,
    Close = 13,
    Failed = 14,
};

// Sends one e-mail to one SMTP server, one dialogue step per server reply,
// and reports the outcome exactly once through status(): "Message sent" on
// success, a failure description otherwise. One object serves one message.
class Smtp : public QObject
{
    Q_OBJECT

public:
    enum AuthType { AuthNone = 0, AuthPlain = 1, AuthLogin = 2 };
    enum ConnectionType { TlsFromStart = 0, StartTlsUpgrade = 1, NoEncryption = 2 };

    static constexpr int defaultTimeoutMs = 10000;
    // A reply larger than this is no SMTP reply; stop reading instead of growing.
    static constexpr int maxReplyBytes = 64 * 1024;

    static const QString sentText;
    static const QString failedText;
    static const QString credentialsText;
    static const QString unknownErrorText;

    Smtp(int authType, const QString &user, const QString &password, const QString &host, int port,
         int timeoutMs = defaultTimeoutMs, QObject *parent = nullptr);
    ~Smtp() override;

    void setConnectionType(int connectionType);
    // Whether certificate errors of the server are accepted; read when the
    // handshake reports them.
    void setIgnoreSslErrors(bool ignore);
    void setTimeout(int timeoutMs);

    // Starts the dialogue without waiting for the connection. false only when
    // there is no recipient; otherwise exactly one status() follows.
    bool sendMail(const QString &from, const QList<Recipient> &recipients, const QString &subject,
                  const QString &body, const QList<MailEncoding::Attachment> &attachments = {});

    SmtpState state() const { return m_state; }

    // Header values travel on one line: a CR or LF would start a new header or
    // an SMTP command, so both are removed.
    static QString headerValue(const QString &text);
    // Line ends become CRLF and a line beginning with "." gets a second one,
    // so the body can never end the DATA section early.
    static QByteArray dotStuffed(const QString &body);
    // The headers and body as sent. What fits the line limits in plain
    // ASCII goes as it is, byte for byte as always; anything else (a
    // translated mail, a clock named "Küche", a name of a thousand
    // characters) is encoded as MailEncoding says, the body as
    // quoted-printable UTF-8.
    // One To: and one Cc: line, then Date: (local time with its offset) and
    // a Message-ID: unique in the sender's domain. With attachments the
    // message is multipart/mixed: the text part, then each file in base64.
    static QByteArray composeMessage(const QString &from, const QList<Recipient> &recipients, const QString &subject,
                                     const QString &body, const QList<MailEncoding::Attachment> &attachments = {});

signals:
    void status(const QString &text);

private slots:
    void stateChanged(QAbstractSocket::SocketState socketState);
    void errorReceived(QAbstractSocket::SocketError socketError);
    void disconnected();
    void connected();
    void readyRead();
    void errorSsl(const QList<QSslError> &errors);
    void timerTimeout();

private:
    void handleReply(const QString &reply, int code);
    void sendCommand(const QByteArray &command);
    void fail(const QString &text);
    void finish(const QString &text);

    int m_timeoutMs = defaultTimeoutMs;
    QByteArray m_message;
    QSslSocket *m_socket = nullptr;
    QString m_from;
    QString m_reply;
    QString m_user;
    QString m_password;
    QString m_host;
    int m_port = 0;
    QTimer *m_replyTimer = nullptr;
    SmtpState m_state = SmtpState::Init;
    int m_authType = AuthLogin;
    int m_connectionType = TlsFromStart;
    QList<Recipient> m_recipients;
    int m_recipientCursor = 0;

    bool m_ignoreSslErrors = false;
    bool m_reported = false;
    SmtpReplyBuffer m_buffer;
};
