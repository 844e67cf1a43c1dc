#pragma once

#include <QList>
#include <QObject>

class DataSender;

// Starts every sender from the event loop, so that its creator can connect to
// it first, and deletes it after its final signal. Senders run side by side:
// what may go on the network when is the worker pool's to decide
// (ExchangeSchedule), not the order of the senders.
class SenderPool : public QObject
{
    Q_OBJECT

public:
    explicit SenderPool(QObject *parent = nullptr);
    ~SenderPool() override;

    // Always true.
    bool add(DataSender *sender);
    // Cancels a sender still in the pool; false when it is not there. It ends
    // with canceled at once and is released after that signal.
    bool remove(DataSender *sender);

    // The senders added and not yet ended, in the order they were added.
    QList<DataSender *> senders() const { return m_senders; }

private slots:
    void onFinished(DataSender *dataSender);

private:
    QList<DataSender *> m_senders;
};
