#pragma once

#include <QObject>
#include <QRunnable>

class Worker;

// Carries one worker onto the worker pool (see WorkerThreadPool::start). The pool deletes the WorkerThread
// after run (auto-delete stays on); the worker is deleted in its own (the
// creating) thread after Finished has been delivered there, so a slot
// connected to Finished may read the worker but must not keep the pointer.
// A WorkerThread destroyed before it ran deletes its worker.
class WorkerThread : public QObject, public QRunnable
{
    Q_OBJECT

public:
    // Takes the worker and moves it to the creating thread.
    explicit WorkerThread(Worker *worker, QObject *parent = nullptr);
    ~WorkerThread() override;

    // Returned unchanged with Finished, so that a client running several
    // exchanges can tell the results apart.
    void setId(int id) { m_id = id; }
    int id() const { return m_id; }
    // The worker it carries; only to read before the exchange starts.
    const Worker *worker() const { return m_worker; }
    Worker *worker() { return m_worker; }

    // On the pool thread: executes the worker, emits Finished, posts the
    // worker's deletion.
    void run() override;
    // What run does once the worker has executed, on whichever thread the
    // exchange ended; for exchanges carried without a pool thread.
    void finishRun();

signals:
    void Finished(Worker *worker, int id);

private:
    Worker *m_worker = nullptr;
    bool m_ran = false;
    int m_id = -1;
};
