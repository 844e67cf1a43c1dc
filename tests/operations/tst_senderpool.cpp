#include "CommandWWW.h"
#include "DataSender.h"
#include "SenderPool.h"
#include "SimpleSender.h"
#include "TestRows.h"

#include <QPointer>
#include <QSignalSpy>
#include <QStringList>
#include <QtTest>

namespace {

// A sender whose end the test decides, logging when it starts and ends.
class ScriptedSender : public DataSender
{
public:
    enum Ending { EndFinished, EndError, EndCanceled };

    ScriptedSender(const QString &name, QStringList *log)
        : m_name(name)
        , m_log(log)
    {
    }
    ~ScriptedSender() override { m_log->append(m_name + " deleted"); }

    void end(Ending ending)
    {
        m_log->append(m_name + " ends");
        switch (ending) {
        case EndFinished:
            emitFinished();
            break;
        case EndError:
            fail();
            break;
        case EndCanceled:
            markCanceled();
            break;
        }
    }
    // A running sender notices a cancel at its next result.
    void nextResult()
    {
        if (isCancelRequested())
            end(EndCanceled);
    }
    int runs = 0;

protected:
    void run() override
    {
        ++runs;
        m_log->append(m_name + " starts");
    }

private:
    QString m_name;
    QStringList *m_log;
};

} // namespace

class TestSenderPool : public QObject
{
    Q_OBJECT

private slots:
    void init() { log.clear(); }
    void cleanup();
    void sendersRunOneAfterAnotherInCreationOrder_data() { TestRows::add(QStringLiteral("operations/units.rows")); }
    void sendersRunOneAfterAnotherInCreationOrder();
    void senderStartsOnlyFromTheEventLoop();
    void cancelBeforeStart_data() { TestRows::add(QStringLiteral("operations/units.rows")); }
    void cancelBeforeStart();
    void cancelRunningSenderKeepsItCurrentUntilItEnds();
    void removingAnUnknownSenderChangesNothing();
    void aSenderEndsOnlyOnce();
    void slotsAfterThePoolStillSeeALiveSender();
    void simpleSenderWithoutCommandFailsAtOnce();
    void simpleSenderWithoutTargetsFinishes();
    void simpleSenderClockIdOutsideTheTargets_data() { TestRows::add(QStringLiteral("operations/units.rows")); }
    void simpleSenderClockIdOutsideTheTargets();

private:
    // A member, so senders deleted after a failed check still have somewhere to write.
    QStringList log;
};

void TestSenderPool::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestSenderPool::sendersRunOneAfterAnotherInCreationOrder()
{
    QFETCH(int, ending);
    SenderPool pool;
    QPointer<ScriptedSender> a = new ScriptedSender("a", &log);
    QPointer<ScriptedSender> b = new ScriptedSender("b", &log);
    QPointer<ScriptedSender> c = new ScriptedSender("c", &log);
    pool.add(a);
    pool.add(b);
    pool.add(c);

    QTRY_COMPARE_WITH_TIMEOUT(a->runs, 1, 2000);
    // Give a wrongly started second sender every chance to show up.
    QCoreApplication::processEvents();
    QCOMPARE(b->runs, 0);
    a->end(ScriptedSender::Ending(ending));
    QTRY_COMPARE_WITH_TIMEOUT(b->runs, 1, 2000);
    QCOMPARE(c->runs, 0);
    b->end(ScriptedSender::EndFinished);
    QTRY_COMPARE_WITH_TIMEOUT(c->runs, 1, 2000);
    c->end(ScriptedSender::EndFinished);
    QTRY_VERIFY_WITH_TIMEOUT(a.isNull() && b.isNull() && c.isNull(), 2000);

    // When a deletion lands relative to the next start is the event loop's business.
    QStringList deleted = log.filter(" deleted");
    deleted.sort();
    QCOMPARE(deleted, QStringList({"a deleted", "b deleted", "c deleted"}));
    QCOMPARE(log.filter(QRegularExpression(" (starts|ends)$")),
             QStringList({"a starts", "a ends", "b starts", "b ends", "c starts", "c ends"}));
    QCOMPARE(pool.queuedCount(), 0);
}

void TestSenderPool::senderStartsOnlyFromTheEventLoop()
{
    SenderPool pool;
    auto *sender = new ScriptedSender("a", &log);
    pool.add(sender);
    // The creator connects after add; nothing may have happened yet.
    QVERIFY(!sender->isStarted());
    QSignalSpy finished(sender, &DataSender::finished);
    QTRY_VERIFY_WITH_TIMEOUT(sender->isStarted(), 2000);
    sender->end(ScriptedSender::EndFinished);
    QCOMPARE(finished.count(), 1);
}

void TestSenderPool::cancelBeforeStart()
{
    QFETCH(bool, behindAnother);
    SenderPool pool;
    QPointer<ScriptedSender> running;
    if (behindAnother) {
        running = new ScriptedSender("running", &log);
        pool.add(running);
        QTRY_COMPARE_WITH_TIMEOUT(running->runs, 1, 2000);
    }
    QPointer<ScriptedSender> victim = new ScriptedSender("victim", &log);
    pool.add(victim);
    QPointer<ScriptedSender> next = new ScriptedSender("next", &log);
    pool.add(next);

    QSignalSpy canceled(victim.data(), &DataSender::canceled);
    QSignalSpy finished(victim.data(), &DataSender::finished);
    QVERIFY(pool.remove(victim));
    // At once, not from the event loop.
    QCOMPARE(canceled.count(), 1);
    QCOMPARE(victim->result(), int(DataSender::Canceled));
    QVERIFY(!pool.remove(victim));

    if (running)
        running->end(ScriptedSender::EndFinished);
    QTRY_COMPARE_WITH_TIMEOUT(next->runs, 1, 2000);
    next->end(ScriptedSender::EndFinished);
    QTRY_VERIFY_WITH_TIMEOUT(victim.isNull() && next.isNull(), 2000);

    QCOMPARE(canceled.count(), 1);
    QCOMPARE(finished.count(), 0);
    QVERIFY(!log.contains("victim starts"));
    QCOMPARE(log.count("victim deleted"), 1);
}

void TestSenderPool::cancelRunningSenderKeepsItCurrentUntilItEnds()
{
    SenderPool pool;
    QPointer<ScriptedSender> running = new ScriptedSender("running", &log);
    QPointer<ScriptedSender> next = new ScriptedSender("next", &log);
    pool.add(running);
    pool.add(next);
    QTRY_COMPARE_WITH_TIMEOUT(running->runs, 1, 2000);

    QSignalSpy canceled(running.data(), &DataSender::canceled);
    QVERIFY(pool.remove(running));
    QVERIFY(running->isCancelRequested());
    QCOMPARE(canceled.count(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(next->runs, 0);
    QCOMPARE(pool.current(), running.data());

    running->nextResult();
    QCOMPARE(canceled.count(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(next->runs, 1, 2000);
    QVERIFY(running.isNull());
    next->end(ScriptedSender::EndFinished);
}

void TestSenderPool::removingAnUnknownSenderChangesNothing()
{
    SenderPool pool;
    ScriptedSender stranger("stranger", &log);
    QSignalSpy canceled(&stranger, &DataSender::canceled);
    QVERIFY(!pool.remove(&stranger));
    QCOMPARE(canceled.count(), 0);
    QVERIFY(!stranger.isCancelRequested());
}

void TestSenderPool::aSenderEndsOnlyOnce()
{
    ScriptedSender sender("a", &log);
    QSignalSpy finished(&sender, &DataSender::finished);
    QSignalSpy error(&sender, &DataSender::error);
    QSignalSpy canceled(&sender, &DataSender::canceled);
    sender.start();
    sender.end(ScriptedSender::EndFinished);
    sender.end(ScriptedSender::EndError);
    sender.cancel();
    sender.nextResult();
    QCOMPARE(finished.count() + error.count() + canceled.count(), 1);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(sender.result(), int(DataSender::Succeeded));
    // An ended sender is never run again.
    sender.start();
    QCOMPARE(sender.runs, 1);
}

void TestSenderPool::slotsAfterThePoolStillSeeALiveSender()
{
    SenderPool pool;
    QPointer<ScriptedSender> sender = new ScriptedSender("a", &log);
    pool.add(sender);
    bool aliveInSlot = false;
    connect(sender.data(), &DataSender::finished, this, [&](DataSender *s) {
        aliveInSlot = !sender.isNull() && s == sender.data() && s->result() == DataSender::Succeeded;
    });
    QTRY_COMPARE_WITH_TIMEOUT(sender->runs, 1, 2000);
    sender->end(ScriptedSender::EndFinished);
    QVERIFY(aliveInSlot);
    QVERIFY(!sender.isNull());
    QTRY_VERIFY_WITH_TIMEOUT(sender.isNull(), 2000);
}

void TestSenderPool::simpleSenderWithoutCommandFailsAtOnce()
{
    SenderPool pool;
    QPointer<SimpleSender> sender = new SimpleSender({SenderTarget()});
    pool.add(sender);
    QSignalSpy error(sender.data(), &DataSender::error);
    QSignalSpy finished(sender.data(), &DataSender::finished);
    int result = -1;
    connect(sender.data(), &DataSender::error, this, [&](DataSender *s) { result = s->result(); });
    QVERIFY(error.wait(2000));
    QCOMPARE(finished.count(), 0);
    QCOMPARE(result, int(DataSender::Failed));
    QTRY_VERIFY_WITH_TIMEOUT(sender.isNull(), 2000);
}

void TestSenderPool::simpleSenderWithoutTargetsFinishes()
{
    SenderPool pool;
    auto *sender = new SimpleSender({});
    sender->setCommand(std::make_unique<CommandWWW>(ReadStatus, QByteArray()));
    pool.add(sender);
    QSignalSpy finished(sender, &DataSender::finished);
    int result = -1;
    connect(sender, &DataSender::finished, this, [&](DataSender *s) { result = s->result(); });
    QVERIFY(finished.wait(2000));
    QCOMPARE(result, int(DataSender::Succeeded));
}

void TestSenderPool::simpleSenderClockIdOutsideTheTargets()
{
    QFETCH(int, index);
    QFETCH(int, expected);
    SenderTarget first;
    first.clockId = 11;
    SenderTarget second;
    second.clockId = 22;
    SimpleSender sender({first, second});
    QCOMPARE(sender.clockId(index), expected < 0 ? ~quint64(0) : quint64(expected));
}

QTEST_GUILESS_MAIN(TestSenderPool)
#include "tst_senderpool.moc"
