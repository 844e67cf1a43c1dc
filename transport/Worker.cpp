#include "transport/Worker.h"

Worker::Worker(const QByteArray &payload)
    : m_payload(payload)
{
}

Worker::~Worker() = default;

QByteArray Worker::data() const
{
    return QByteArray();
}

void Worker::open()
{
}

void Worker::close()
{
}

QString Worker::exchangeKey() const
{
    return QString();
}

void Worker::execute()
{
    open();
    transfer();
    close();
}
