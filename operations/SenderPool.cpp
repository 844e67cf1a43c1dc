#include "operations/SenderPool.h"

#include "operations/DataSender.h"

#include <QPointer>
#include <QTimer>

SenderPool::SenderPool(QObject *parent)
    : QObject(parent)
{
}

// Senders still here at shutdown have not ended; nobody else owns them.
SenderPool::~SenderPool()
{
    const QList<DataSender *> senders = m_senders;
    m_senders.clear();
    for (DataSender *sender : senders) {
        disconnect(sender, nullptr, this, nullptr);
        delete sender;
    }
}

bool SenderPool::add(DataSender *sender)
{
    m_senders.append(sender);
    connect(sender, &DataSender::finished, this, &SenderPool::onFinished);
    connect(sender, &DataSender::error, this, &SenderPool::onFinished);
    connect(sender, &DataSender::canceled, this, &SenderPool::onFinished);
    const QPointer<DataSender> guard(sender);
    QTimer::singleShot(0, this, [guard] {
        // start() does nothing for a sender that ended (was cancelled) meanwhile.
        if (guard)
            guard->start();
    });
    return true;
}

bool SenderPool::remove(DataSender *sender)
{
    if (!m_senders.contains(sender))
        return false;
    sender->cancel();
    return true;
}

void SenderPool::onFinished(DataSender *dataSender)
{
    if (!m_senders.removeOne(dataSender))
        return;
    disconnect(dataSender, nullptr, this, nullptr);
    // Later: the slots connected after the pool still see a live sender.
    dataSender->deleteLater();
}
