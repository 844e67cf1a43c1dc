// The simulator's HTTP side as a clock answers it, driven over real sockets
// from the "pc" namespace: what the client's own tests rely on.
#include "ClockSimControl.h"
#include "RawHttpClient.h"
#include "TestRows.h"

#include <QtTest>

namespace {

const QByteArray kUnauthorized = QByteArrayLiteral(
    "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"clock\"\r\nCONTENT-LENGTH: 0\r\n\r\n");

} // namespace

class TestClockSimHttp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void conversation_data() { TestRows::add(QStringLiteral("clocksim/http.rows")); }
    void conversation();

private:
    ClockSimControl m_control;
};

void TestClockSimHttp::initTestCase()
{
    QVERIFY2(m_control.isAvailable(), "run through tests/netns/netns-run.sh");
}

void TestClockSimHttp::conversation()
{
    QFETCH(int, clock);
    QFETCH(QJsonObject, faults);
    QFETCH(QJsonObject, status);
    QFETCH(QJsonArray, steps);

    QVERIFY(m_control.reset());
    QVERIFY(m_control.setFixedTime(QDateTime(QDate(2026, 12, 6), QTime(10, 0))));
    if (clock >= 0) {
        QVERIFY(m_control.setFaults(clock, faults));
        QVERIFY2(m_control.setStatus(clock, status), qPrintable(m_control.lastError()));
    }
    for (int i = 0; i < steps.size(); ++i) {
        const QJsonArray step = steps.at(i).toArray();
        const QByteArray request = step.at(2).toString().toLatin1();
        const QByteArray body = step.at(3).toString().toLatin1();
        const int expected = step.at(4).toInt();
        const QStringList credentials = step.at(1).toString().split(QLatin1Char(':'));
        const RawHttpClient::Result result = RawHttpClient::exchange(
            step.at(0).toString(), step.at(1).isNull() ? request + body
                                                        : RawHttpClient::post(request, body, credentials.value(0),
                                                                              credentials.value(1)));
        const QString where = QStringLiteral("step %1: ").arg(i + 1) + QString::fromLatin1(result.reply);
        QVERIFY2(result.connected == (expected != 0), qPrintable(where));
        if (expected == 0)
            continue;
        // The clock closes the line after every reply.
        QVERIFY2(result.closedByPeer, qPrintable(where));
        QVERIFY2(RawHttpClient::statusOf(result.reply) == expected, qPrintable(where));
        if (expected == 401)
            QCOMPARE(result.reply, kUnauthorized);
        if (!step.at(5).isNull()) {
            const QByteArray reply = step.at(5).toString().toLatin1();
            QCOMPARE(result.reply, "HTTP/1.1 200 OK\r\nCONTENT-LENGTH: " + QByteArray::number(reply.size())
                                       + "\r\n\r\n" + reply);
        }
    }
}

QTEST_GUILESS_MAIN(TestClockSimHttp)
#include "tst_clocksim_http.moc"
