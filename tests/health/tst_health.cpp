#include "health/ClockHealth.h"
#include "health/HealthWriter.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "notify/AlertBooks.h"
#include "notify/NotificationSettings.h"
#include "tests/support/HealthPolls.h"
#include "tests/support/TestRows.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QString rows = QStringLiteral("health/health.rows");

// The NTP state a poll saw, by its letter in the rows; -1 for none.
int stateOf(QChar letter)
{
    static const QString letters = QStringLiteral("TKODSXCAN");
    static const int states[] = {NtpTimeout, NtpOther, NtpSynchronized, NtpDisabled, NtpNoStatus, 42,
                                 NtpNoConnection, NtpNoAuthentication, -1};
    const int index = letters.indexOf(letter);
    return index < 0 ? -2 : states[index];
}

} // namespace

// The health of a clock without a list or a poller: the rule that moves its
// counters, its one writer, and the books the mailer keeps by it.
class TestHealth : public QObject
{
    Q_OBJECT

private slots:
    void rule_data() { TestRows::add(rows); }
    void rule();
    void writer_data() { TestRows::add(rows); }
    void writer();
    void books_data() { TestRows::add(rows); }
    void books();
};

void TestHealth::rule()
{
    QFETCH(QString, polls);
    ClockHealth health;
    const QDateTime start(QDate(2026, 12, 8), QTime(10, 0));
    for (int i = 0; i < polls.size(); ++i)
        health.apply(stateOf(polls.at(i)), start.addSecs(i));
    QList<int> counters;
    for (int kind = 0; kind < ntpStatusCount; ++kind)
        counters << health.counter(kind);
    QTEST(counters, "counters");
    QTEST(health.firstDueAlert(), "due");
    QTEST(health.ntpState(), "state");
    QTEST(health.isDead(), "dead");
    QFETCH(bool, failing);
    // From the first failed poll of the episode.
    const int first = polls.lastIndexOf(QRegularExpression("[ODX]")) + 1;
    QCOMPARE(health.failingSince(), failing ? start.addSecs(polls.indexOf(QRegularExpression("[TCA]"), first)) : QDateTime());
}

void TestHealth::writer()
{
    QFETCH(QString, polls);
    ClockRegistry list;
    auto *clock = new DevClock;
    clock->network.ip = QStringLiteral("10.0.0.5");
    list.addClock(clock);
    HealthWriter health(list);
    QSignalSpy due(&health, &HealthWriter::alertDue);
    QSignalSpy recovered(&health, &HealthWriter::recovered);
    QSignalSpy changed(&health, &HealthWriter::changed);
    for (const QChar letter : polls) {
        if (letter == '@')
            clock->network.ip = QStringLiteral("10.0.0.6");
        else
            pollSaw(health, *clock, stateOf(letter));
    }
    QList<int> kinds;
    for (const QList<QVariant> &arguments : due) {
        QCOMPARE(arguments.at(0).value<quint64>(), clock->id);
        kinds << arguments.at(1).toInt();
    }
    QTEST(kinds, "due");
    QTEST(int(recovered.count()), "recovered");
    QTEST(int(changed.count()), "changed");
    QTEST(health.of(*clock).counter(NtpNoConnection), "connection");
    QTEST(health.of(*clock).isDead(), "dead");

    // A removed clock is forgotten; its next record starts well.
    const quint64 id = clock->id;
    const QString ip = clock->network.ip;
    QVERIFY(list.removeClock(0));
    auto *again = new DevClock;
    again->id = id;
    again->network.ip = ip;
    list.addClock(again);
    QCOMPARE(health.of(*again), ClockHealth());
}

void TestHealth::books()
{
    QFETCH(QString, events);
    QFETCH(bool, quiet);
    QFETCH(int, k);
    NotificationSettings settings;
    settings.errorConnection = settings.errorAuth = true;
    QFETCH(bool, timeoutsOn);
    settings.errorNtpTimeout = timeoutsOn;
    QFETCH(int, resend);
    settings.resendMailTime = resend;

    const quint64 id = 7;
    ClockHealth health;
    AlertBooks books;
    QDateTime now(QDate(2026, 12, 8), QTime(10, 0));
    for (const QChar event : events) {
        now = now.addSecs(10);
        if (stateOf(event) > -2)
            health.apply(stateOf(event), now);
        else if (event == 's')
            books.sent(id, health.firstDueAlert(), health);
        else if (event == 'd')
            books.delivered(id, health.firstDueAlert(), now);
        else if (event == 'h')
            now = now.addSecs(2 * 3600);
    }
    // As the mailer asks after every update.
    books.reopenAfterResend(id, health, settings, now);
    QTEST(books.mailable(id, health, quiet, settings), "mailable");
    QTEST(books.attempts(id, k, health), "attempts");
}

QTEST_GUILESS_MAIN(TestHealth)
#include "tst_health.moc"
