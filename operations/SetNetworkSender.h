#pragma once

#include "operations/SimpleSender.h"

// The network settings command. A clock that takes new settings may drop the
// connection before it answers, so no response counts as success here.
class SetNetworkSender : public SimpleSender
{
    Q_OBJECT

public:
    explicit SetNetworkSender(const QList<SenderTarget> &targets, QObject *parent = nullptr);

protected:
    void onWorkerFinished(Worker *worker, int index) override;
};
