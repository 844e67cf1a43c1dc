#pragma once

#include "operations/SimpleSender.h"

// One status request ("/T1") per target, for the status poller.
class GetStatusSender : public SimpleSender
{
    Q_OBJECT

public:
    explicit GetStatusSender(const QList<SenderTarget> &targets, QObject *parent = nullptr);
};
