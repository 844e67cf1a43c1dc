#include "SenderPool.h"

#include "DataSender.h"

#include <QMutexLocker>
#include <QPointer>
#include <QTimer>

SenderPool::SenderPool(QObject *parent)
    : QObject(parent)
{
}

// Senders still queued at shutdown were never started; nobody else owns them.
SenderPool::~SenderPool()
{
    for (DataSender *sender : qAsConst(m_queue)) {
        if (sender != m_current)
            delete sender;
    }
}

bool SenderPool::add(DataSender *sender)
{
    QMutexLocker locker(&m_mutex);
    m_queue.append(sender);
    startNext();
    return true;
}

bool SenderPool::remove(DataSender *sender)
{
    QMutexLocker locker(&m_mutex);
    const int index = m_queue.lastIndexOf(sender);
    if (index < 0)
        return false;

    if (sender->isStarted()) {
        // Keep it current: it notices the request at its next result and ends
        // through onFinished like any other sender.
        locker.unlock();
        sender->cancel();
        return true;
    }

    // Not started: either waiting behind another sender or current with its
    // start still posted. Take it out first so that neither onFinished nor the
    // posted start can reach it, then end it and release it here, once.
    m_queue.removeAt(index);
    disconnect(sender, nullptr, this, nullptr);
    const bool wasCurrent = m_current == sender;
    if (wasCurrent)
        m_current = nullptr;
    locker.unlock();

    sender->cancel();
    sender->deleteLater();

    if (wasCurrent) {
        locker.relock();
        startNext();
    }
    return true;
}

void SenderPool::onFinished(DataSender *dataSender)
{
    // The lock is never held while a sender emits, so this only fails if a
    // slot re-enters the pool; then finish the bookkeeping from the event loop
    // instead of dropping it.
    if (!m_mutex.tryLock()) {
        QPointer<SenderPool> self(this);
        QTimer::singleShot(0, this, [self, dataSender] {
            if (self)
                self->onFinished(dataSender);
        });
        return;
    }
    disconnect(dataSender, nullptr, this, nullptr);
    m_queue.removeOne(dataSender);
    if (m_current == dataSender)
        m_current = nullptr;
    // Later: the slots connected after the pool still see a live sender.
    dataSender->deleteLater();
    startNext();
    m_mutex.unlock();
}

void SenderPool::startNext()
{
    if (m_current || m_queue.isEmpty())
        return;
    DataSender *sender = m_queue.first();
    m_current = sender;
    connect(sender, &DataSender::finished, this, &SenderPool::onFinished);
    connect(sender, &DataSender::error, this, &SenderPool::onFinished);
    connect(sender, &DataSender::canceled, this, &SenderPool::onFinished);
    QPointer<DataSender> guard(sender);
    QTimer::singleShot(0, this, [this, guard] {
        if (guard)
            startCurrent(guard);
    });
}

void SenderPool::startCurrent(DataSender *sender)
{
    // A sender removed (or replaced) since the start was posted never starts.
    if (m_current != sender)
        return;
    sender->start();
}
