#pragma once

#include "transport/Worker.h"
#include "transport/WorkerThread.h"
#include "transport/WorkerThreadPool.h"

#include <QEventLoop>
#include <QTimer>

#include <functional>

// Starts one worker on the given pool and runs the event loop until its
// result arrives; read takes what it needs from the worker in the receiving
// slot, while the worker is still alive. False when no result came in time.
inline bool runWorker(WorkerThreadPool &workers, WorkerThread *thread, const std::function<void(Worker *)> &read, int timeoutMs = 20000)
{
    if (!thread)
        return false;
    QEventLoop loop;
    bool finished = false;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    QObject::connect(thread, &WorkerThread::Finished, &loop, [&](Worker *worker, int) {
        finished = true;
        read(worker);
        loop.quit();
    });
    workers.start(thread);
    loop.exec();
    return finished;
}
