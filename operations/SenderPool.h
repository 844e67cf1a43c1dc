#pragma once

#include <QList>
#include <QMutex>
#include <QObject>

class DataSender;

// Runs the senders one at a time, in the order they were added, each started
// from the event loop so its creator can connect to it first. The pool deletes
// every sender after its final signal.
class SenderPool : public QObject
{
    Q_OBJECT

public:
    explicit SenderPool(QObject *parent = nullptr);
    ~SenderPool() override;

    // Always true.
    bool add(DataSender *sender);
    // Cancels a sender still in the pool; false when it is not there. A sender
    // that has not started is released here and never started. A running one
    // stays the current sender until it ends, so nothing overlaps it.
    bool remove(DataSender *sender);

    DataSender *current() const { return m_current; }
    int queuedCount() const { return m_queue.size(); }

public slots:
    void onFinished(DataSender *dataSender);

private:
    void startNext();
    void startCurrent(DataSender *sender);

    QList<DataSender *> m_queue;
    DataSender *m_current = nullptr;
    QMutex m_mutex;
};
