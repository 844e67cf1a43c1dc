#include "notify/Smtp.h"

#include "notify/MailEncoding.h"

#include <QDateTime>
#include <QSslSocket>
#include <QStringList>
#include <QTimer>
#include <QUuid>

#include <cctype>

namespace {

constexpr int replyGreeting = 220;
constexpr int replyOk = 250;
constexpr int replyAuthSuccess = 235;
constexpr int replyAuthContinue = 334;
constexpr int replyStartInput = 354;

const QByteArray ehloCommand = QByteArrayLiteral("EHLO localhost");

} // namespace

const QString Smtp::sentText = QStringLiteral("Message sent");
const QString Smtp::failedText = QStringLiteral("Failed to send message");
const QString Smtp::credentialsText = QStringLiteral("Incorrect authentication type or credentials.");
const QString Smtp::unknownErrorText = QStringLiteral("An unknown error occured.");

Smtp::Smtp(int authType, const QString &user, const QString &password, const QString &host, int port,
           int timeoutMs, QObject *parent)
    : QObject(parent)
    , m_timeoutMs(timeoutMs)
    , m_socket(new QSslSocket(this))
    , m_user(user)
    , m_password(password)
    , m_host(host)
    , m_port(port)
    , m_replyTimer(new QTimer(this))
    , m_authType(authType)
{
    connect(m_socket, &QAbstractSocket::stateChanged, this, &Smtp::stateChanged);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, &Smtp::errorReceived);
    connect(m_socket, &QAbstractSocket::disconnected, this, &Smtp::disconnected);
    connect(m_socket, &QAbstractSocket::connected, this, &Smtp::connected);
    connect(m_socket, &QIODevice::readyRead, this, &Smtp::readyRead);
    connect(m_socket, QOverload<const QList<QSslError> &>::of(&QSslSocket::sslErrors), this, &Smtp::errorSsl);
    connect(m_replyTimer, &QTimer::timeout, this, &Smtp::timerTimeout);
}

Smtp::~Smtp()
{
    // The socket may still report its closing while it is destroyed; nobody
    // is left to hear it.
    m_socket->disconnect(this);
}

void Smtp::setConnectionType(int connectionType)
{
    m_connectionType = connectionType;
}

void Smtp::setIgnoreSslErrors(bool ignore)
{
    m_ignoreSslErrors = ignore;
}

void Smtp::setTimeout(int timeoutMs)
{
    m_timeoutMs = timeoutMs;
}

QString Smtp::headerValue(const QString &text)
{
    QString value = text;
    value.remove(QLatin1Char('\r'));
    value.remove(QLatin1Char('\n'));
    return value;
}

namespace {

// Any mix of CRLF, CR and LF as LF.
QString withLineFeeds(const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

} // namespace

QByteArray Smtp::dotStuffed(const QString &body)
{
    QStringList lines = withLineFeeds(body).split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.startsWith(QLatin1Char('.')))
            line.prepend(QLatin1Char('.'));
    }
    return lines.join(QLatin1String("\r\n")).toUtf8();
}

namespace {

// The sender's domain for the Message-ID, reduced to what may stand there.
QByteArray messageIdDomain(const QString &from)
{
    const QString address = MailEncoding::mailbox(from).address;
    QByteArray domain;
    for (const char c : address.section(QLatin1Char('@'), -1).toLatin1()) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-')
            domain += c;
    }
    return address.contains(QLatin1Char('@')) && !domain.isEmpty() ? domain : QByteArrayLiteral("localhost");
}

} // namespace

QByteArray Smtp::composeMessage(const QString &from, const QList<Recipient> &recipients, const QString &subject,
                                const QString &body, const QList<MailEncoding::Attachment> &attachments)
{
    // One To: and one Cc: line, each listing its recipients in list order,
    // where the mails once carried a line per recipient: a message with two
    // To: fields breaks RFC 5322, and large providers reject it.
    QStringList to;
    QStringList copy;
    for (const Recipient &recipient : recipients)
        (recipient.copy ? copy : to) << headerValue(recipient.name);
    QByteArray message;
    if (!to.isEmpty())
        message += MailEncoding::addressHeader("To:", to);
    if (!copy.isEmpty())
        message += MailEncoding::addressHeader("Cc:", copy);
    message += MailEncoding::mailboxHeader("From:", headerValue(from));
    message += MailEncoding::textHeader("Subject:", headerValue(subject));
    message += "Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1() + "\r\nMessage-ID: <"
        + QUuid::createUuid().toByteArray(QUuid::WithoutBraces) + '@' + messageIdDomain(from) + ">\r\n";
    const QByteArray plain = dotStuffed(body);
    const bool asItIs = MailEncoding::isAscii(body) && MailEncoding::longestLine(plain) <= MailEncoding::maxLineLength;
    if (!attachments.isEmpty()) {
        const QByteArray text = asItIs
            ? "Content-Type: text/plain; charset=us-ascii\r\nContent-Transfer-Encoding: 7bit\r\n\r\n" + plain
            : "Content-Type: text/plain; charset=utf-8\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n"
                + MailEncoding::quotedPrintable(withLineFeeds(body).toUtf8());
        // "=_" appears in neither base64 nor quoted-printable text.
        const QByteArray boundary = "=_" + QUuid::createUuid().toByteArray(QUuid::Id128);
        return message + MailEncoding::multipartMixed(text, attachments, boundary);
    }
    if (asItIs)
        return message + "\r\n" + plain;
    message += "MIME-Version: 1.0\r\n"
               "Content-Type: text/plain; charset=utf-8\r\n"
               "Content-Transfer-Encoding: quoted-printable\r\n"
               "\r\n";
    return message + MailEncoding::quotedPrintable(withLineFeeds(body).toUtf8());
}

bool Smtp::sendMail(const QString &from, const QList<Recipient> &recipients, const QString &subject,
                    const QString &body, const QList<MailEncoding::Attachment> &attachments)
{
    if (recipients.isEmpty())
        return false;

    m_message = composeMessage(from, recipients, subject, body, attachments);

    m_from = from;
    m_recipients = recipients;
    m_recipientCursor = 0;
    m_state = SmtpState::Init;
    m_reported = false;
    m_buffer.clear();

    // No waiting here: a connection that does not come up ends in the reply
    // time-out or a socket error, reported through status().
    if (m_connectionType == TlsFromStart)
        m_socket->connectToHostEncrypted(m_host, quint16(m_port));
    else
        m_socket->connectToHost(m_host, quint16(m_port));
    m_replyTimer->start(m_timeoutMs);
    return true;
}

void Smtp::stateChanged(QAbstractSocket::SocketState)
{
}

void Smtp::errorReceived(QAbstractSocket::SocketError socketError)
{
    if (m_reported || m_state == SmtpState::Close || m_state == SmtpState::Failed)
        return;
    fail(QString::number(int(socketError)) + QLatin1Char(' ') + m_socket->errorString());
}

void Smtp::disconnected()
{
    if (m_reported)
        return;
    // In Close the server has taken the message (250 after its end) and only
    // the answer to QUIT is missing.
    if (m_state == SmtpState::Close) {
        finish(sentText);
        return;
    }
    if (m_state == SmtpState::Quit || m_state == SmtpState::Failed)
        return;
    fail(failedText);
}

void Smtp::connected()
{
}

void Smtp::readyRead()
{
    if (m_reported) {
        m_socket->readAll();
        return;
    }
    m_replyTimer->start(m_timeoutMs);
    m_buffer.append(m_socket->readAll());

    QString reply;
    int code = -1;
    while (!m_reported && m_buffer.takeReply(reply, code))
        handleReply(reply, code);

    if (!m_reported && m_buffer.size() > maxReplyBytes)
        fail(failedText);
}

void Smtp::sendCommand(const QByteArray &command)
{
    m_socket->write(command + "\r\n");
    m_socket->flush();
}

void Smtp::handleReply(const QString &reply, int code)
{
    m_reply = reply;

    int expected = -1;
    switch (m_state) {
    case SmtpState::Init:
    case SmtpState::TlsStarted:
        expected = replyGreeting;
        break;
    case SmtpState::StartTls:
    case SmtpState::Ehlo:
    case SmtpState::Auth:
    case SmtpState::Rcpt:
    case SmtpState::Data:
    case SmtpState::Quit:
        expected = replyOk;
        break;
    case SmtpState::User:
    case SmtpState::Pass:
        expected = replyAuthContinue;
        break;
    case SmtpState::Mail:
        expected = m_authType == AuthNone ? replyOk : replyAuthSuccess;
        break;
    case SmtpState::Body:
        expected = replyStartInput;
        break;
    case SmtpState::Close:
        finish(sentText);
        return;
    case SmtpState::Failed:
        finish(failedText);
        return;
    }

    if (code != expected) {
        if (code == replyOk) {
            const bool authStep = m_state == SmtpState::Auth || m_state == SmtpState::User
                || m_state == SmtpState::Pass || m_state == SmtpState::Mail;
            finish(authStep ? credentialsText : unknownErrorText);
        } else {
            finish(m_reply);
        }
        return;
    }

    const SmtpState afterEhlo = m_authType == AuthNone ? SmtpState::Mail : SmtpState::Auth;
    switch (m_state) {
    case SmtpState::Init:
        sendCommand(ehloCommand);
        if (m_connectionType == TlsFromStart)
            m_state = SmtpState::Ehlo;
        else if (m_connectionType == StartTlsUpgrade)
            m_state = SmtpState::StartTls;
        else if (m_connectionType == NoEncryption)
            m_state = afterEhlo;
        break;
    case SmtpState::StartTls:
        sendCommand(QByteArrayLiteral("STARTTLS"));
        m_state = SmtpState::TlsStarted;
        break;
    case SmtpState::TlsStarted:
        // Anything the server sent after its 220 came in clear text and must
        // not be taken as a reply inside the encrypted session.
        m_buffer.clear();
        m_socket->startClientEncryption();
        sendCommand(ehloCommand);
        m_state = SmtpState::Ehlo;
        break;
    case SmtpState::Ehlo:
        sendCommand(ehloCommand);
        m_state = afterEhlo;
        break;
    case SmtpState::Auth:
        if (m_authType == AuthPlain) {
            QByteArray credentials;
            credentials += '\0';
            credentials += m_user.toUtf8();
            credentials += '\0';
            credentials += m_password.toUtf8();
            sendCommand("AUTH PLAIN " + credentials.toBase64());
            m_state = SmtpState::Mail;
        } else if (m_authType == AuthLogin) {
            sendCommand(QByteArrayLiteral("AUTH LOGIN"));
            m_state = SmtpState::User;
        } else {
            finish(failedText);
        }
        break;
    case SmtpState::User:
        sendCommand(m_user.toUtf8().toBase64());
        m_state = SmtpState::Pass;
        break;
    case SmtpState::Pass:
        sendCommand(m_password.toUtf8().toBase64());
        m_state = SmtpState::Mail;
        break;
    case SmtpState::Mail:
        // The envelope takes the bare address, whatever display name the
        // sender was written with.
        sendCommand("MAIL FROM:<" + MailEncoding::mailbox(headerValue(m_from)).address.toUtf8() + ">");
        m_state = SmtpState::Rcpt;
        break;
    case SmtpState::Rcpt:
        sendCommand("RCPT TO:<" + headerValue(m_recipients.at(m_recipientCursor).name).toUtf8() + ">");
        ++m_recipientCursor;
        if (m_recipientCursor >= m_recipients.size())
            m_state = SmtpState::Data;
        break;
    case SmtpState::Data:
        sendCommand(QByteArrayLiteral("DATA"));
        m_state = SmtpState::Body;
        break;
    case SmtpState::Body:
        m_socket->write(m_message + "\r\n.\r\n");
        m_socket->flush();
        m_state = SmtpState::Quit;
        break;
    case SmtpState::Quit:
        sendCommand(QByteArrayLiteral("QUIT"));
        m_state = SmtpState::Close;
        break;
    case SmtpState::Close:
    case SmtpState::Failed:
        break;
    }
}

void Smtp::errorSsl(const QList<QSslError> &errors)
{
    if (m_ignoreSslErrors) {
        m_socket->ignoreSslErrors(errors);
        return;
    }
    if (m_reported || m_state == SmtpState::Quit || m_state == SmtpState::Close || m_state == SmtpState::Failed)
        return;
    QStringList texts;
    for (const QSslError &error : errors)
        texts << error.errorString();
    fail(texts.join(QLatin1Char('\n')));
}

void Smtp::timerTimeout()
{
    if (m_reported)
        return;
    m_replyTimer->stop();
    // After QUIT the message is already with the server; a missing answer to
    // QUIT does not undo that.
    if (m_state == SmtpState::Close) {
        finish(sentText);
        return;
    }
    fail(failedText);
}

void Smtp::fail(const QString &text)
{
    m_state = SmtpState::Failed;
    finish(text);
}

void Smtp::finish(const QString &text)
{
    if (m_reported)
        return;
    m_reported = true;
    m_replyTimer->stop();
    m_state = SmtpState::Close;
    m_socket->abort();
    m_buffer.clear();
    emit status(text);
}
