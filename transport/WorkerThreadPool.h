#pragma once

#include <QObject>

class QThreadPool;
class WorkerThread;

// The one thread on which every network exchange of the program runs, one at
// a time in start order: the application's global thread pool, held to a
// single thread.
class WorkerThreadPool : public QObject
{
    Q_OBJECT

public:
    // Created on first call; sets the global pool's maximum thread count to 1.
    static WorkerThreadPool *instance();
    // Queues the runnable with priority 0; the pool deletes it after it ran.
    static void start(WorkerThread *thread);

private:
    WorkerThreadPool();

    QThreadPool *m_pool = nullptr;
};
