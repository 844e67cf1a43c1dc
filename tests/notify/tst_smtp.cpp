#include "Smtp.h"
#include "SmtpServerProcess.h"
#include "TestRows.h"

#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

// The client against a real server first; a scripted peer only for replies a
// real server will not give.
class TestSmtp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void realServer_data() { TestRows::add(QStringLiteral("notify/notify.rows")); }
    void realServer();
    void injectionArrivesAsPlainText();
    void untrustedCertificate_data();
    void untrustedCertificate();
    void refusedConnectionIsAStatus();
    void scriptedPeer_data();
    void scriptedPeer();
    void noRecipientsStartsNothing();

private:
    QTemporaryDir m_certs;
};

namespace {

// A scripted peer that can switch to TLS when its script says so.
class ScriptedServer : public QTcpServer
{
public:
    QSslCertificate certificate;
    QSslKey key;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QSslSocket(this);
        socket->setSocketDescriptor(descriptor);
        socket->setLocalCertificate(certificate);
        socket->setPrivateKey(key);
        addPendingConnection(socket);
    }
};

constexpr int testTimeoutMs = 10000;
const QString user = QStringLiteral("alerts");
const QString password = QStringLiteral("s3cret");

QList<Recipient> recipients(const QStringList &entries)
{
    // "to:a@x" or "cc:b@x"
    QList<Recipient> list;
    for (const QString &entry : entries)
        list << Recipient{entry.mid(3), entry.startsWith(QLatin1String("cc:"))};
    return list;
}

} // namespace

void TestSmtp::initTestCase()
{
    QVERIFY(m_certs.isValid());
    QVERIFY(SmtpServerProcess::makeCertificate(m_certs.path()));
}

void TestSmtp::realServer()
{
    QFETCH(QString, mode);
    QFETCH(int, connectionType);
    QFETCH(int, authType);
    QFETCH(QString, serverUser);
    QFETCH(QString, clientPassword);
    QFETCH(QStringList, rcpt);
    QFETCH(QString, status);
    QFETCH(QByteArray, headers);
    QFETCH(QString, auth);

    SmtpServerProcess server;
    QVERIFY(server.start(mode, m_certs.path(), serverUser, password));

    Smtp smtp(authType, user, clientPassword, QStringLiteral("127.0.0.1"), server.port(), testTimeoutMs);
    smtp.setConnectionType(connectionType);
    smtp.setIgnoreSslErrors(true);
    QSignalSpy spy(&smtp, &Smtp::status);
    QVERIFY(smtp.sendMail(QStringLiteral("zentick@example.test"), recipients(rcpt), QStringLiteral("Test subject"),
                          QStringLiteral("First line\r\nSecond line")));
    QVERIFY(spy.wait(testTimeoutMs));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), status);
    if (status != Smtp::sentText) {
        QCOMPARE(server.messages().size(), 0);
        return;
    }

    QVERIFY(server.waitForMessages(1));
    const SmtpServerProcess::Message message = server.messages().at(0);
    QCOMPARE(message.from, QStringLiteral("zentick@example.test"));
    QStringList addresses;
    for (const QString &entry : rcpt)
        addresses << entry.mid(3);
    QCOMPARE(message.recipients, addresses);
    QCOMPARE(message.data,
             headers + "From: zentick@example.test\r\nSubject: Test subject\r\n\r\nFirst line\r\nSecond line\r\n");
    QCOMPARE(message.auth, auth);
    QCOMPARE(message.tls, mode != QLatin1String("plain"));
    // One status only, even when the socket closes afterwards.
    QTRY_VERIFY_WITH_TIMEOUT(!smtp.findChild<QSslSocket *>() || smtp.findChild<QSslSocket *>()->state()
                                 == QAbstractSocket::UnconnectedState, testTimeoutMs);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 1);
}

void TestSmtp::injectionArrivesAsPlainText()
{
    SmtpServerProcess server;
    QVERIFY(server.start(QStringLiteral("plain"), QString()));

    // A clock names itself; its name lands in subject and body.
    const QString name = QStringLiteral("Lobby\r\n.\r\nRCPT TO:<evil@example.test>\r\nBcc: evil@example.test");
    Smtp smtp(Smtp::AuthNone, QString(), QString(), QStringLiteral("127.0.0.1"), server.port(), testTimeoutMs);
    smtp.setConnectionType(Smtp::NoEncryption);
    QSignalSpy spy(&smtp, &Smtp::status);
    QVERIFY(smtp.sendMail(QStringLiteral("zentick@example.test\r\nRSET"), recipients({QStringLiteral("to:ops@example.test")}),
                          QStringLiteral("alert: ") + name, QStringLiteral("Clock name: ") + name + QStringLiteral("\n.hidden\r.")));
    QVERIFY(spy.wait(testTimeoutMs));
    QCOMPARE(spy.at(0).at(0).toString(), Smtp::sentText);
    QVERIFY(server.waitForMessages(1));
    QCOMPARE(server.messages().size(), 1);
    const SmtpServerProcess::Message message = server.messages().at(0);
    QCOMPARE(message.from, QStringLiteral("zentick@example.testRSET"));
    QCOMPARE(message.recipients, QStringList{QStringLiteral("ops@example.test")});
    QCOMPARE(message.data,
             QByteArray("To: ops@example.test\r\n"
                        "From: zentick@example.testRSET\r\n"
                        "Subject: alert: Lobby.RCPT TO:<evil@example.test>Bcc: evil@example.test\r\n"
                        "\r\n"
                        "Clock name: Lobby\r\n"
                        ".\r\n"
                        "RCPT TO:<evil@example.test>\r\n"
                        "Bcc: evil@example.test\r\n"
                        ".hidden\r\n"
                        ".\r\n"));
}

void TestSmtp::untrustedCertificate_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("connectionType");
    QTest::newRow("TLS from the start") << "tls" << int(Smtp::TlsFromStart);
    QTest::newRow("STARTTLS upgrade") << "starttls" << int(Smtp::StartTlsUpgrade);
}

void TestSmtp::untrustedCertificate()
{
    QFETCH(QString, mode);
    QFETCH(int, connectionType);
    SmtpServerProcess server;
    QVERIFY(server.start(mode, m_certs.path(), user, password));

    Smtp smtp(Smtp::AuthLogin, user, password, QStringLiteral("127.0.0.1"), server.port(), testTimeoutMs);
    smtp.setConnectionType(connectionType);
    QSignalSpy spy(&smtp, &Smtp::status);
    QVERIFY(smtp.sendMail(QStringLiteral("zentick@example.test"), recipients({QStringLiteral("to:ops@example.test")}),
                          QStringLiteral("s"), QStringLiteral("b")));
    QVERIFY(spy.wait(testTimeoutMs));
    QCOMPARE(spy.at(0).at(0).toString(), QSslError(QSslError::SelfSignedCertificate).errorString());
    QTRY_VERIFY_WITH_TIMEOUT(!smtp.findChild<QSslSocket *>() || smtp.findChild<QSslSocket *>()->state()
                                 == QAbstractSocket::UnconnectedState, testTimeoutMs);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(server.messages().size(), 0);
}

void TestSmtp::refusedConnectionIsAStatus()
{
    // A port that was free a moment ago and has no listener now.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const int port = probe.serverPort();
    probe.close();

    Smtp smtp(Smtp::AuthNone, QString(), QString(), QStringLiteral("127.0.0.1"), port, testTimeoutMs);
    smtp.setConnectionType(Smtp::NoEncryption);
    QSignalSpy spy(&smtp, &Smtp::status);
    QVERIFY(smtp.sendMail(QStringLiteral("a@b"), recipients({QStringLiteral("to:c@d")}), QStringLiteral("s"),
                          QStringLiteral("b")));
    QVERIFY(spy.wait(testTimeoutMs));
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("0 Connection refused"));
}

void TestSmtp::scriptedPeer_data()
{
    TestRows::add(QStringLiteral("notify/notify.rows"));
    QTest::newRow("endless reply line is cut off")
        << int(Smtp::NoEncryption) << int(Smtp::AuthNone)
        << QStringList{QStringLiteral("S:220-") + QString(Smtp::maxReplyBytes + 10, QLatin1Char('x'))}
        << Smtp::failedText;
}

void TestSmtp::scriptedPeer()
{
    QFETCH(int, connectionType);
    QFETCH(int, authType);
    QFETCH(QStringList, steps);
    QFETCH(QString, status);

    ScriptedServer peer;
    QFile certificate(m_certs.filePath("cert.pem"));
    QFile key(m_certs.filePath("key.pem"));
    QVERIFY(certificate.open(QIODevice::ReadOnly) && key.open(QIODevice::ReadOnly));
    peer.certificate = QSslCertificate(certificate.readAll());
    peer.key = QSslKey(key.readAll(), QSsl::Ec);
    QVERIFY(!peer.key.isNull());
    QVERIFY(peer.listen(QHostAddress::LocalHost, 0));
    // The time-out rows wait on a short reply timer.
    const int timeoutMs = status == Smtp::failedText ? 2000 : testTimeoutMs;
    Smtp smtp(authType, QStringLiteral("u"), QStringLiteral("p"), QStringLiteral("127.0.0.1"), peer.serverPort(),
              timeoutMs);
    smtp.setConnectionType(connectionType);
    smtp.setIgnoreSslErrors(true);
    QSignalSpy spy(&smtp, &Smtp::status);
    QVERIFY(smtp.sendMail(QStringLiteral("f@x"), recipients({QStringLiteral("to:a@x"), QStringLiteral("cc:b@x")}),
                          QStringLiteral("s"), QStringLiteral("one\n.two")));
    QVERIFY(peer.waitForNewConnection(testTimeoutMs));
    auto *socket = static_cast<QSslSocket *>(peer.nextPendingConnection());
    QVERIFY(socket);
    auto *client = smtp.findChild<QSslSocket *>();
    QVERIFY(client);
    QSignalSpy clientRead(client, &QIODevice::readyRead);

    for (const QString &step : qAsConst(steps)) {
        if (step.startsWith(QLatin1String("S:"))) {
            clientRead.clear();
            socket->write(step.mid(2).toUtf8());
            socket->flush();
        } else if (step.startsWith(QLatin1String("C:"))) {
            QTRY_VERIFY_WITH_TIMEOUT(socket->canReadLine(), testTimeoutMs);
            QCOMPARE(socket->readLine(), step.mid(2).toUtf8() + "\r\n");
        } else if (step == QLatin1String("R")) {
            QVERIFY(clientRead.count() > 0 || clientRead.wait(testTimeoutMs));
        } else if (step == QLatin1String("X")) {
            socket->disconnectFromHost();
        } else if (step == QLatin1String("T")) {
            socket->startServerEncryption();
        }
    }
    QVERIFY(spy.count() > 0 || spy.wait(testTimeoutMs));
    QCOMPARE(spy.at(0).at(0).toString(), status);
    // Nothing more from the client, and it has closed its end.
    QTRY_COMPARE_WITH_TIMEOUT(socket->state(), QAbstractSocket::UnconnectedState, testTimeoutMs);
    QCOMPARE(socket->readAll(), QByteArray());
    QCOMPARE(spy.count(), 1);
}

void TestSmtp::noRecipientsStartsNothing()
{
    QTcpServer peer;
    QVERIFY(peer.listen(QHostAddress::LocalHost, 0));
    Smtp smtp(Smtp::AuthNone, QString(), QString(), QStringLiteral("127.0.0.1"), peer.serverPort(), testTimeoutMs);
    QSignalSpy spy(&smtp, &Smtp::status);
    QVERIFY(!smtp.sendMail(QStringLiteral("f@x"), {}, QStringLiteral("s"), QStringLiteral("b")));
    const auto *socket = smtp.findChild<QSslSocket *>();
    QVERIFY(!socket || socket->state() == QAbstractSocket::UnconnectedState);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 0);
}

QTEST_GUILESS_MAIN(TestSmtp)
#include "tst_smtp.moc"
