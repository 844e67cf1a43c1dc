#pragma once

#include "operations/DataSender.h"
#include "operations/SenderTarget.h"

#include <QByteArray>
#include <QList>
#include <QVector>

#include <memory>

class Worker;

// Sends one command to every target and keeps one result per target. It always
// ends with finished (result 1 when any target failed), never with error,
// except when it has no command at all.
class SimpleSender : public DataSender
{
    Q_OBJECT

public:
    explicit SimpleSender(const QList<SenderTarget> &targets, QObject *parent = nullptr);
    ~SimpleSender() override;

    // Set once, before the pool starts the sender.
    void setCommand(std::unique_ptr<CommandWWW> command);

    // The target's clock id; all bits set for an index outside the targets.
    quint64 clockId(int index = 0) const override;

    QList<SenderTarget> targets() const { return m_targets; }
    QVector<bool> succeeded() const { return m_succeeded; }
    QVector<Error> errors() const { return m_errors; }
    // Why each failed target failed, in words (see WorkerWWW); empty otherwise.
    QVector<QString> reasons() const { return m_reasons; }
    QVector<QByteArray> replies() const { return m_replies; }
    int finishedCount() const { return m_finishedCount; }

protected:
    void run() override;
    // One worker's result, index being the target's position.
    virtual void onWorkerFinished(Worker *worker, int index);

    bool isTargetIndex(int index) const { return index >= 0 && index < m_targets.size(); }
    // Records one target's outcome and ends the sender once all have reported.
    void recordResult(int index, bool succeeded, const QByteArray &reply);

    int m_finishedCount = 0;
    QList<SenderTarget> m_targets;
    QVector<bool> m_succeeded;
    QVector<Error> m_errors;
    QVector<QString> m_reasons;
    QVector<QByteArray> m_replies;

private:
    std::unique_ptr<CommandWWW> m_command;
};
