#include "tests/notify/SmtpServerProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

// Debian's aiosmtpd belongs to the system interpreter, whatever PATH says.
const QString systemPython = QStringLiteral("/usr/bin/python3");

QString serverScript()
{
    return qEnvironmentVariable("ZENTICK_SOURCE_DIR") + QStringLiteral("/tests/notify/smtp_server.py");
}

} // namespace

SmtpServerProcess::~SmtpServerProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
}

bool SmtpServerProcess::makeCertificate(const QString &folder)
{
    QProcess openssl;
    const QString options = QStringLiteral("req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 "
                                           "-subj /CN=localhost -addext subjectAltName=IP:127.0.0.1,DNS:localhost");
    const QStringList files{QStringLiteral("-keyout"), folder + QStringLiteral("/key.pem"), QStringLiteral("-out"),
                            folder + QStringLiteral("/cert.pem")};
    openssl.start(QStringLiteral("openssl"), options.split(QLatin1Char(' ')) + files);
    return openssl.waitForFinished(30000) && openssl.exitStatus() == QProcess::NormalExit
        && openssl.exitCode() == 0;
}

bool SmtpServerProcess::start(const QString &mode, const QString &certFolder, const QString &user,
                              const QString &password)
{
    QStringList args{serverScript(), QStringLiteral("--mode"), mode};
    if (!certFolder.isEmpty())
        args << QStringLiteral("--cert") << certFolder + QStringLiteral("/cert.pem") << QStringLiteral("--key")
             << certFolder + QStringLiteral("/key.pem");
    if (!user.isEmpty())
        args << QStringLiteral("--user") << user << QStringLiteral("--password") << password;
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this] { readOutput(); });
    m_process.start(systemPython, args);
    if (!m_process.waitForStarted(10000))
        return false;
    return QTest::qWaitFor([this] { return m_port != 0 || m_process.state() != QProcess::Running; }, 20000)
        && m_port != 0;
}

bool SmtpServerProcess::waitForMessages(int count, int timeoutMs)
{
    return QTest::qWaitFor([this, count] { return m_messages.size() >= count; }, timeoutMs);
}

void SmtpServerProcess::readOutput()
{
    m_output += m_process.readAllStandardOutput();
    int end;
    while ((end = m_output.indexOf('\n')) >= 0) {
        const QByteArray line = m_output.left(end);
        m_output.remove(0, end + 1);
        if (line.startsWith("PORT ")) {
            m_port = line.mid(5).toInt();
        } else if (line.startsWith("MESSAGE ")) {
            const QJsonObject object = QJsonDocument::fromJson(line.mid(8)).object();
            Message message;
            message.from = object.value(QStringLiteral("from")).toString();
            for (const QJsonValue &value : object.value(QStringLiteral("rcpt")).toArray())
                message.recipients << value.toString();
            message.data = QByteArray::fromBase64(object.value(QStringLiteral("data")).toString().toLatin1());
            message.headers = object.value(QStringLiteral("headers")).toObject();
            for (const QByteArray &name : {QByteArrayLiteral("\r\nDate: "), QByteArrayLiteral("\r\nMessage-ID: ")}) {
                const int at = message.data.indexOf(name);
                const int headEnd = message.data.indexOf("\r\n\r\n");
                if (at < 0 || at >= headEnd)
                    continue;
                const int lineEnd = message.data.indexOf("\r\n", at + 2);
                message.stamps += message.data.mid(at + 2, lineEnd - at);
                message.data.remove(at + 2, lineEnd - at);
            }
            message.auth = object.value(QStringLiteral("auth")).toString();
            message.tls = object.value(QStringLiteral("tls")).toBool();
            m_messages << message;
        }
    }
}
