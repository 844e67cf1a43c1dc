// The board's API and page as a browser gets them, from StatusBoard's
// handler: hostile clock names come back as the same text in valid JSON and
// never as markup, no credential leaks, only the token opens a guarded
// board, the language follows the request (two at once, the program's own
// translators untouched), a page gets only what changed, and a failed mail's
// server reply stays out of the history; a period's availability is
// refused for bad dates and computed one at a time.
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "persistence/EventJournal.h"
#include "http/HttpRequestParser.h"
#include "board/StatusBoard.h"
#include "tests/support/TestRows.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

// The board's own list; the process-wide one stays empty.
ClockRegistry &list()
{
    static ClockRegistry registry;
    return registry;
}

const QString password = QStringLiteral("S3cret-pw!");
const QString user = QStringLiteral("operator-x");
const QByteArray token = "t0ken-of-16-char";
const QString rows = QStringLiteral("board/board.rows");

HttpListener::Response get(StatusBoard &board, const QByteArray &target, const QByteArray &fields = {})
{
    HttpRequestParser request;
    request.feed("GET " + target + " HTTP/1.1\r\n" + fields + "\r\n");
    const HttpListener::Response response = board.handle(request);
    // As the listener would: the slow part, then the rest.
    return response.work ? response.work()() : response;
}

QJsonObject parsed(const QByteArray &body)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    return error.error == QJsonParseError::NoError ? document.object() : QJsonObject{{"error", error.errorString()}};
}

} // namespace

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void hostileNames_data() { TestRows::add(rows); }
    void hostileNames();
    void requests_data() { TestRows::add(rows); }
    void requests();
    void tokenFile_data() { TestRows::add(rows); }
    void tokenFile();
    void since_data() { TestRows::add(rows); }
    void since();
    void completeLists();
    void boardsInStep();
    void historyWithoutMailSettings();
    void languagesSideBySide();
    void unknownValues_data() { TestRows::add(rows); }
    void unknownValues();
    void availability_data() { TestRows::add(rows); }
    void availability();
    void oneReportAtATime();

private:
    DevClock *addClock(const QString &name, const QString &ip);
    QString writeToken(const QByteArray &text, int mode);
    QTemporaryDir m_folder;
    std::unique_ptr<StatusBoard> m_board;
};

void TestBoard::initTestCase()
{
    // Periods are local days and months: these are those of UTC.
    qputenv("TZ", "UTC");
    tzset();
}

void TestBoard::init()
{
    m_board = std::make_unique<StatusBoard>(list(), m_folder.path());
    m_board->setSnapshotHoldMs(0);
}

void TestBoard::cleanup()
{
    while (list().clockCount() > 0)
        list().removeClock(0);
    while (list().groupCount() > 0)
        list().removeGroup(0);
}

DevClock *TestBoard::addClock(const QString &name, const QString &ip)
{
    static quint64 nextId = 1;
    auto *clock = new DevClock;
    clock->id = nextId++;
    clock->name = name;
    clock->network.ip = ip;
    clock->user = user;
    clock->password = password;
    list().addClock(clock);
    return clock;
}

void TestBoard::hostileNames()
{
    QFETCH(QString, name);
    addClock(name, QStringLiteral("192.168.0.20"));
    const HttpListener::Response response = get(*m_board, "/api/v1/clocks");
    QCOMPARE(response.status, 200);
    QVERIFY(response.headers.contains("Content-Type: application/json\r\n"));
    const QJsonObject document = parsed(response.body);
    QCOMPARE(document.value("clocks").toArray().at(0).toObject().value("name").toString(), name);
    QVERIFY(!response.body.contains(password.toUtf8()));
    QVERIFY(!response.body.contains(user.toUtf8()));
    // Neither the API nor the page carries markup from a clock.
    QVERIFY(!response.body.contains("<"));
    QVERIFY(!get(*m_board, "/").body.contains(name.toUtf8()));
}

void TestBoard::requests()
{
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, fields);
    QFETCH(bool, guarded);
    QFETCH(int, status);
    QFETCH(QByteArray, contains);

    addClock(QStringLiteral("Hall"), QStringLiteral("192.168.0.21"));
    if (guarded) {
        BoardAccess access;
        QString error;
        QVERIFY2(access.loadTokenFile(writeToken(token, 0600), &error), qPrintable(error));
        m_board->setAccess(access);
    }
    const HttpListener::Response response = get(*m_board, target, fields);
    QCOMPARE(response.status, status);
    QVERIFY2((response.headers + response.body).contains(contains), response.headers + response.body.left(300));
}

QString TestBoard::writeToken(const QByteArray &text, int mode)
{
    const QString path = m_folder.filePath(QStringLiteral("token"));
    QFile file(path);
    file.remove();
    const bool written = file.open(QIODevice::WriteOnly) && file.write(text + '\n') > 0 && file.flush();
    return written && ::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0 ? path : QString();
}

void TestBoard::tokenFile()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, mode);
    QFETCH(QString, refusal);

    BoardAccess access;
    QString error;
    QCOMPARE(access.loadTokenFile(writeToken(text, mode.toInt(nullptr, 8)), &error), refusal.isEmpty());
    QVERIFY2(error.contains(refusal), qPrintable(error));
}

void TestBoard::since()
{
    QFETCH(QList<int>, before);
    QFETCH(QList<int>, after);
    QFETCH(QList<int>, polled);
    QFETCH(bool, added);
    QFETCH(QList<int>, clocks);
    QFETCH(QList<int>, statusTimes);

    m_board->setCompleteListMaxAgeMs(0);
    QList<DevClock *> listed;
    for (int i = 0; i < 3; ++i)
        listed << addClock(QStringLiteral("Clock %1").arg(i), QStringLiteral("192.168.0.%1").arg(30 + i));
    static int tick = 0;
    // As the poller leaves a clock: a new status time, and what else its reply changed.
    const auto poll = [&listed](const QList<int> &which, bool changed) {
        for (const int i : which) {
            listed.at(i)->status.lastStatusUpdate = QDateTime::currentDateTime().addMSecs(++tick);
            listed.at(i)->status.brightness += changed ? 10 : 0;
            list().announceClockChanged(listed.at(i));
        }
    };
    poll({0, 1, 2}, true);
    m_board->clocksDocument(Language::English, 0);
    poll(before, true);
    const quint64 version = parsed(m_board->clocksDocument(Language::English, 0)).value("version").toString().toULongLong();
    poll(after, true);
    poll(polled, false);
    if (added)
        addClock(QStringLiteral("New"), QStringLiteral("192.168.0.40"));
    const QJsonObject answer = parsed(m_board->clocksDocument(Language::English, version));
    QCOMPARE(answer.value("complete").toBool(), added);
    QList<int> carried;
    for (const QJsonValue row : answer.value("clocks").toArray())
        carried << int(row.toObject().value("id").toString().toULongLong() - listed.first()->id);
    QCOMPARE(carried, clocks);
    QList<int> timed;
    const QJsonObject times = answer.value("statusTimes").toObject();
    for (auto it = times.begin(); it != times.end(); ++it) {
        const int i = int(it.key().toULongLong() - listed.first()->id);
        timed << i;
        QCOMPARE(QDateTime::fromString(it.value().toString(), Qt::ISODateWithMs), listed.at(i)->status.lastStatusUpdate);
    }
    std::sort(timed.begin(), timed.end());
    QCOMPARE(timed, statusTimes);
}

void TestBoard::completeLists()
{
    DevClock *lobby = addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"));
    const QByteArray first = m_board->clocksDocument(Language::English, 0);
    lobby->status.NtpSynchronization = NtpNoConnection;
    m_board->noteChanged(lobby->id);
    // Asked again within its age, the complete list is the one built; the
    // change comes with the next "since" of its version.
    QCOMPARE(m_board->clocksDocument(Language::English, 0), first);
    const quint64 since = parsed(first).value("version").toString().toULongLong();
    QCOMPARE(parsed(m_board->clocksDocument(Language::English, since)).value("summary").toObject().value("critical"), 1);
    m_board->setCompleteListMaxAgeMs(0);
    // A version from before this run gets the whole list again.
    QCOMPARE(parsed(m_board->clocksDocument(Language::English, since / 2)).value("complete").toBool(), true);
    // A quiet period that runs out shows in the next complete list, though
    // nothing announced a change.
    lobby->quietPeriod = QuietPeriod::endingAt(QDateTime::currentDateTime().addMSecs(300));
    m_board->noteChanged(lobby->id);
    QVERIFY(m_board->clocksDocument(Language::English, 0).contains("\"muted\":true"));
    QTRY_VERIFY(!m_board->clocksDocument(Language::English, 0).contains("\"muted\":true"));
    lobby->quietHours = QuietHours::parse(QStringLiteral("Mon-Sun"), QStringLiteral("UTC"));
    m_board->noteChanged(lobby->id);
    const QByteArray quiet = m_board->clocksDocument(Language::English, 0);
    QVERIFY(quiet.contains("\"muted\":true") && quiet.contains("\"quietHours\":\"Mon-Sun (UTC)\""));
}

void TestBoard::boardsInStep()
{
    m_board->setSnapshotHoldMs(60 * 1000);
    DevClock *lobby = addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"));
    const auto versionOf = [](const QByteArray &document) {
        return parsed(document).value("version").toString().toULongLong();
    };
    const quint64 since = versionOf(m_board->clocksDocument(Language::English, 0));
    const auto churn = [lobby] {
        lobby->status.lastStatusUpdate = QDateTime::currentDateTime();
        lobby->status.brightness += 10;
        list().announceClockChanged(lobby);
    };
    churn();
    // Boards asking meanwhile share one look at the rows and one answer,
    // however much changes.
    const QByteArray first = m_board->clocksDocument(Language::English, since);
    churn();
    const QByteArray second = m_board->clocksDocument(Language::English, since);
    QCOMPARE(second.constData(), first.constData());
    QCOMPARE(versionOf(first), since);
    // Clocks added or removed are not held back.
    addClock(QStringLiteral("Hall"), QStringLiteral("192.168.0.21"));
    const QByteArray added = m_board->clocksDocument(Language::English, since);
    QCOMPARE(parsed(added).value("complete").toBool(), true);
    const quint64 after = versionOf(added);
    churn();
    m_board->setSnapshotHoldMs(0);
    const QJsonArray changed = parsed(m_board->clocksDocument(Language::English, after)).value("clocks").toArray();
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().toObject().value("id").toString().toULongLong(), lobby->id);
}

void TestBoard::historyWithoutMailSettings()
{
    {
        EventJournal journal(m_folder.path());
        for (int i = 0; i < StatusBoard::historyLength + 5; ++i) {
            ClockEvent event;
            event.time = QDateTime::currentDateTimeUtc().addSecs(i);
            event.ip = QStringLiteral("192.168.0.21");
            event.kind = i % 2 ? ClockEvent::Kind::Unreachable : ClockEvent::Kind::Reachable;
            journal.append(event);
        }
        ClockEvent failed;
        failed.time = QDateTime::currentDateTimeUtc().addSecs(3600);
        failed.ip = QStringLiteral("192.168.0.21");
        failed.kind = ClockEvent::Kind::MailFailed;
        failed.detail = QStringLiteral("550 <alerts@mail.site.example> refused by smtp.site.example");
        journal.append(failed);
    }
    const QByteArray body = get(*m_board, "/api/v1/clocks/192.168.0.21/events").body;
    const QJsonArray events = parsed(body).value("events").toArray();
    QCOMPARE(events.size(), StatusBoard::historyLength);
    QCOMPARE(events.at(0).toObject().value("kind").toString(), ClockEvent::kindName(ClockEvent::Kind::MailFailed));
    QVERIFY(!body.contains("site.example"));
}

void TestBoard::languagesSideBySide()
{
    // Installing or removing a translator sends the application a LanguageChange.
    struct LanguageChanges : QObject
    {
        int seen = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            seen += event->type() == QEvent::LanguageChange;
            return false;
        }
    } changes;
    QCoreApplication::instance()->installEventFilter(&changes);
    addClock(QStringLiteral("Hall"), QStringLiteral("192.168.0.21"))->status.NtpSynchronization = NtpNoConnection;
    ClockEvent stopped;
    stopped.time = QDateTime::currentDateTimeUtc();
    stopped.ip = QStringLiteral("192.168.0.21");
    stopped.kind = ClockEvent::Kind::Unreachable;
    EventJournal(m_folder.path()).append(stopped);
    // A German history waits for its slow part while French requests are answered.
    HttpRequestParser history;
    history.feed("GET /api/v1/clocks/192.168.0.21/events?lang=de HTTP/1.1\r\n\r\n");
    const HttpListener::Response german = m_board->handle(history);
    QVERIFY(german.work);
    const HttpListener::Continuation germanDone = german.work();
    get(*m_board, "/api/v1/clocks");
    const QByteArray frenchPage = get(*m_board, "/", "Accept-Language: fr\r\n").body;
    const QByteArray frenchClocks = get(*m_board, "/api/v1/clocks?lang=fr").body;
    const QByteArray germanEvents = germanDone().body;
    QVERIFY2(frenchPage.contains(QString::fromUtf8("État des horloges").toUtf8()), frenchPage.left(400));
    // Rows written in English first gain French as a whole.
    QVERIFY2(frenchClocks.contains("Erreur de connexion") && frenchClocks.contains("\"text\":\"Horloges"), frenchClocks);
    QVERIFY2(!parsed(frenchClocks).contains("error"), frenchClocks);
    QVERIFY2(germanEvents.contains("Antwortet nicht mehr"), germanEvents);
    QCOMPARE(changes.seen, 0);
    QCOMPARE(QCoreApplication::translate("DevClock", "Connection error"), QStringLiteral("Connection error"));
}

void TestBoard::unknownValues()
{
    QFETCH(bool, polled);
    QFETCH(QString, reply);
    QFETCH(int, brightness);
    QFETCH(bool, temperature);

    DevClock *clock = addClock(QStringLiteral("Hall"), QStringLiteral("192.168.0.21"));
    if (!reply.isEmpty())
        QVERIFY(clock->parseStatus(reply, 0));
    // As the poller stamps a poll that went unanswered.
    if (polled && reply.isEmpty()) {
        clock->status.lastStatusUpdate = QDateTime::currentDateTime();
        clock->status.NtpSynchronization = NtpNoConnection;
    }
    const QJsonObject row = parsed(get(*m_board, "/api/v1/clocks").body).value("clocks").toArray().at(0).toObject();
    QCOMPARE(row.value("brightness").isNull(), brightness < 0);
    QCOMPARE(row.value("brightness").toInt(-1), brightness);
    QCOMPARE(row.value("temperature").isNull(), !temperature);
    // Never read from any clock here: the same "-" wherever it is shown.
    QCOMPARE(clock->firmwareText(), QStringLiteral("-"));
}

void TestBoard::availability()
{
    QFETCH(QByteArray, query);
    QFETCH(bool, unreadable);
    QFETCH(int, status);
    QFETCH(QByteArray, contains);
    QFETCH(int, clocks);

    addClock(QStringLiteral("Lobby"), QStringLiteral("192.168.0.20"));
    addClock(QStringLiteral("Hall"), QStringLiteral("192.168.0.21"));
    list().createGroup(QStringLiteral("Ground floor"));
    list().setClockGroup(1, 0);
    // Watched from 1 November; Hall did not answer from 06:00 to 08:00.
    QTemporaryDir history;
    {
        EventJournal journal(history.path());
        const QDateTime start(QDate(2026, 11, 1), QTime(0, 0), Qt::UTC);
        const struct { int minutes; ClockEvent::Kind kind; } stream[] = {
            {0, ClockEvent::Kind::MonitorStarted}, {360, ClockEvent::Kind::Unreachable},
            {480, ClockEvent::Kind::Reachable}, {3 * 1440, ClockEvent::Kind::MonitorStopped}};
        for (const auto &item : stream) {
            ClockEvent event;
            event.time = start.addSecs(60 * item.minutes);
            event.kind = item.kind;
            if (item.kind == ClockEvent::Kind::Unreachable || item.kind == ClockEvent::Kind::Reachable)
                event.ip = QStringLiteral("192.168.0.21");
            journal.append(event);
        }
    }
    if (unreadable) {
        QFile garbage(history.filePath(QStringLiteral("events.sqlite")));
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write(QByteArray(8192, 'x')) == 8192);
    }
    StatusBoard board(list(), history.path());
    const HttpListener::Response response = get(board, "/api/v1/availability?" + query);
    QCOMPARE(response.status, status);
    QVERIFY2(response.headers.contains("Content-Type: application/json\r\n"), response.headers);
    QVERIFY2(response.body.contains(contains), response.body);
    QVERIFY(!response.body.contains(history.path().toUtf8()));
    if (clocks >= 0)
        QCOMPARE(parsed(response.body).value("clocks").toArray().size(), clocks);
}

void TestBoard::oneReportAtATime()
{
    addClock(QStringLiteral("Hall"), QStringLiteral("192.168.0.21"));
    HttpRequestParser request;
    request.feed("GET /api/v1/availability?period=day HTTP/1.1\r\n\r\n");
    HttpListener::Response first = m_board->handle(request);
    QVERIFY(first.work);
    // Asked again before the first has run: told when to come back.
    const HttpListener::Response second = m_board->handle(request);
    QCOMPARE(second.status, 503);
    QVERIFY2(second.headers.contains("Retry-After: 5\r\n"), second.headers);
    QCOMPARE(first.work()().status, 200);
    QVERIFY(m_board->handle(request).work);
    // A report turned away by the listener before it ran frees its turn too.
    first = {};
    QVERIFY(m_board->handle(request).work);
}

QTEST_GUILESS_MAIN(TestBoard)
#include "tst_board.moc"

