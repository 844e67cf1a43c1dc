#include "notify/Smtp.h"
#include "tests/notify/SmtpServerProcess.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestRows.h"

#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
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
    void scriptedPeer_data();
    void scriptedPeer();

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
    QFETCH(bool, ignoreSsl);
    QFETCH(QStringList, letter);
    QFETCH(QString, status);
    QFETCH(QByteArray, data);
    QFETCH(QString, auth);

    SmtpServerProcess server;
    QVERIFY(server.start(mode, m_certs.path(), serverUser, password));
    Smtp smtp(authType, user, clientPassword, QStringLiteral("127.0.0.1"), server.port(), testTimeoutMs);
    smtp.setConnectionType(connectionType);
    smtp.setIgnoreSslErrors(ignoreSsl);
    QSignalSpy spy(&smtp, &Smtp::status);
    QVERIFY(smtp.sendMail(letter.at(0), recipients(rcpt), letter.at(1), letter.at(2)));
    QVERIFY(spy.wait(testTimeoutMs));
    QCOMPARE(spy.at(0).at(0).toString(), status);
    // One status only, even when the socket closes afterwards.
    QTRY_VERIFY_WITH_TIMEOUT(smtp.findChild<QSslSocket *>()->state() == QAbstractSocket::UnconnectedState,
                             testTimeoutMs);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 1);
    if (status != Smtp::sentText) {
        QCOMPARE(server.messages().size(), 0);
        return;
    }

    QVERIFY(server.waitForMessages(1));
    QCOMPARE(server.messages().size(), 1);
    const SmtpServerProcess::Message message = server.messages().at(0);
    QStringList addresses;
    QStringList to;
    QStringList copy;
    for (const QString &entry : rcpt) {
        addresses << entry.mid(3);
        (entry.startsWith(QLatin1String("cc:")) ? copy : to) << entry.mid(3);
    }
    QCOMPARE(message.recipients, addresses);
    QCOMPARE(message.data, data);
    QVERIFY(data.contains("\r\nFrom: " + message.from.toUtf8() + "\r\n"));
    // One To: and at most one Cc: field naming every recipient in list
    // order, one Date: near now with its offset and one Message-ID: in the
    // sender's domain, as Python's email package reads them.
    const auto fields = [&message](const char *name) { return message.headers.value(QLatin1String(name)).toArray(); };
    QCOMPARE(fields("to").toVariantList(), QVariantList({to}));
    QCOMPARE(fields("cc").toVariantList(), copy.isEmpty() ? QVariantList() : QVariantList({copy}));
    QCOMPARE(fields("date").size(), 1);
    const QString dateText = fields("date").at(0).toString();
    QVERIFY2(QRegularExpression(QStringLiteral("[+-]\\d\\d:\\d\\d$")).match(dateText).hasMatch(), qPrintable(dateText));
    QVERIFY(qAbs(QDateTime::fromString(dateText, Qt::ISODate).secsTo(QDateTime::currentDateTime())) < 300);
    QCOMPARE(fields("messageId").size(), 1);
    const QString id = QStringLiteral("^<[^@<>]+@%1>$").arg(QRegularExpression::escape(message.from.section('@', -1)));
    QVERIFY(QRegularExpression(id).match(fields("messageId").at(0).toString()).hasMatch());
    QCOMPARE(message.auth, auth);
    QCOMPARE(message.tls, mode != QLatin1String("plain"));
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
    peer.certificate = QSslCertificate::fromPath(m_certs.filePath("cert.pem")).value(0);
    peer.key = QSslKey(TestFiles::read(m_certs.filePath("key.pem")), QSsl::Ec);
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
            // "*" at the end: a line that begins so (a date, a unique id).
            const QByteArray expected = step.mid(2).toUtf8();
            if (expected.endsWith('*'))
                QVERIFY(socket->readLine().startsWith(expected.chopped(1)));
            else
                QCOMPARE(socket->readLine(), expected + "\r\n");
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

QTEST_GUILESS_MAIN(TestSmtp)
#include "tst_smtp.moc"
