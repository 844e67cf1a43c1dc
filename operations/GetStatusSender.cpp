#include "operations/GetStatusSender.h"

#include "transport/CommandWWW.h"

GetStatusSender::GetStatusSender(const QList<SenderTarget> &targets, QObject *parent)
    : SimpleSender(targets, parent)
{
    setCommand(std::make_unique<CommandWWW>(ReadStatus, QByteArray()));
}
