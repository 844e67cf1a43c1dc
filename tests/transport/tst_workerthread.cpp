#include "Worker.h"
#include "WorkerThread.h"
#include "WorkerThreadPool.h"

#include <QtTest>

#include <QMutex>
#include <QPointer>
#include <QSemaphore>
#include <QThreadPool>

namespace {

// Records when its exchange starts and ends, so overlapping runs show.
class StepWorker : public Worker
{
public:
    StepWorker(QStringList &log, QMutex &mutex, int number, QSemaphore *gate = nullptr)
        : Worker(QByteArray::number(number))
        , m_log(log)
        , m_mutex(mutex)
        , m_gate(gate)
    {
    }

    QByteArray data() const override { return "reply " + m_payload; }

    void transfer() override
    {
        append("start " + m_payload);
        if (m_gate)
            m_gate->acquire();
        else
            QThread::msleep(30);
        append("end " + m_payload);
    }

private:
    void append(const QByteArray &entry)
    {
        QMutexLocker locker(&m_mutex);
        m_log.append(QString::fromLatin1(entry));
    }

    QStringList &m_log;
    QMutex &m_mutex;
    QSemaphore *m_gate;
};

struct Delivery
{
    int id;
    QByteArray data;
    bool workerAlive;
    bool onReceiverThread;
};

} // namespace

// The single worker thread: serial exchanges in start order, each result
// delivered once, and no worker leaked or deleted too early.
class TestWorkerThread : public QObject
{
    Q_OBJECT

private slots:
    void poolHeldToOneThreadWhenCreated();
    void workersRunInStartOrder_data();
    void workersRunInStartOrder();
    void workerOutlivesTheReceivingSlot();
    void threadDestroyedBeforeRunDeletesItsWorker();
    void clearedQueueDeletesWaitingWorkers();

private:
    QStringList m_log;
    QMutex m_mutex;
};

void TestWorkerThread::poolHeldToOneThreadWhenCreated()
{
    // Must stay the first test: it needs the pool before anything created it.
    QThreadPool::globalInstance()->setMaxThreadCount(4);
    WorkerThreadPool::instance();
    QCOMPARE(QThreadPool::globalInstance()->maxThreadCount(), 1);
}

void TestWorkerThread::workersRunInStartOrder_data()
{
    QTest::addColumn<int>("raisedTo");
    QTest::newRow("pool as created") << 0;
    QTest::newRow("pool raised by someone after creation") << 3;
}

void TestWorkerThread::workersRunInStartOrder()
{
    QFETCH(int, raisedTo);
    if (raisedTo > 0)
        QThreadPool::globalInstance()->setMaxThreadCount(raisedTo);
    m_log.clear();

    QList<Delivery> deliveries;
    const int ids[] = {7, 3, 11};
    for (int i = 0; i < 3; ++i) {
        auto *thread = new WorkerThread(new StepWorker(m_log, m_mutex, i));
        thread->setId(ids[i]);
        connect(thread, &WorkerThread::Finished, this, [&deliveries](Worker *worker, int id) {
            deliveries.append({id, worker->data(), true, QThread::currentThread() == qApp->thread()});
        });
        WorkerThreadPool::start(thread);
    }
    QTRY_COMPARE_WITH_TIMEOUT(deliveries.size(), 3, 10000);

    QCOMPARE(m_log, QStringList({"start 0", "end 0", "start 1", "end 1", "start 2", "end 2"}));
    QCOMPARE(deliveries.at(0).id, 7);
    QCOMPARE(deliveries.at(1).id, 3);
    QCOMPARE(deliveries.at(2).id, 11);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(deliveries.at(i).data, "reply " + QByteArray::number(i));
        QVERIFY(deliveries.at(i).onReceiverThread);
    }
}

void TestWorkerThread::workerOutlivesTheReceivingSlot()
{
    m_log.clear();
    auto *worker = new StepWorker(m_log, m_mutex, 5);
    QPointer<Worker> watched(worker);
    auto *thread = new WorkerThread(worker);
    QCOMPARE(worker->thread(), thread->thread());

    bool aliveInSlot = false;
    int calls = 0;
    connect(thread, &WorkerThread::Finished, this, [&](Worker *finished, int id) {
        ++calls;
        aliveInSlot = !watched.isNull() && finished == watched && id == -1;
    });
    WorkerThreadPool::start(thread);
    // Both the result and the deletion are posted once the run is over; a
    // flush of deferred deletes (as QTest::qWait does) must not overtake the result.
    QVERIFY(QThreadPool::globalInstance()->waitForDone(10000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(calls, 1);
    QVERIFY(aliveInSlot);
    QVERIFY(watched.isNull());
}

void TestWorkerThread::threadDestroyedBeforeRunDeletesItsWorker()
{
    auto *worker = new StepWorker(m_log, m_mutex, 1);
    QPointer<Worker> watched(worker);
    delete new WorkerThread(worker);
    QVERIFY(watched.isNull());
}

void TestWorkerThread::clearedQueueDeletesWaitingWorkers()
{
    m_log.clear();
    QSemaphore gate;
    auto *blocking = new WorkerThread(new StepWorker(m_log, m_mutex, 1, &gate));
    auto *waitingWorker = new StepWorker(m_log, m_mutex, 2);
    QPointer<Worker> watched(waitingWorker);
    auto *waiting = new WorkerThread(waitingWorker);
    int finished = 0;
    connect(blocking, &WorkerThread::Finished, this, [&finished] { ++finished; });
    connect(waiting, &WorkerThread::Finished, this, [&finished] { finished += 100; });

    WorkerThreadPool::start(blocking);
    WorkerThreadPool::start(waiting);
    QTRY_VERIFY_WITH_TIMEOUT([&] {
        QMutexLocker locker(&m_mutex);
        return m_log.contains("start 1");
    }(), 5000);
    QThreadPool::globalInstance()->clear();
    QVERIFY(watched.isNull());
    gate.release();
    QTRY_COMPARE_WITH_TIMEOUT(finished, 1, 5000);
    QVERIFY(QThreadPool::globalInstance()->waitForDone(5000));
    QCoreApplication::processEvents();
    QCOMPARE(finished, 1);
}

QTEST_GUILESS_MAIN(TestWorkerThread)
#include "tst_workerthread.moc"
