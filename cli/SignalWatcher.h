#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a Qt signal. The handler only writes the
// signal number into a pipe (all it may safely do); the event loop reads it
// and emits received(), so the monitor can save the state file and stop in
// an orderly way. One watcher per process.
class SignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit SignalWatcher(QObject *parent = nullptr);
    ~SignalWatcher() override;

    // False when the pipe or a handler could not be set up.
    bool isWatching() const { return m_notifier != nullptr; }

signals:
    void received(int signalNumber);

private slots:
    void readSignal();

private:
    QSocketNotifier *m_notifier = nullptr;
};
