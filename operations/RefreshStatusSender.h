#pragma once

#include "operations/SteppedClockSender.h"

// "Refresh status": firmware, network settings and status of one clock, one
// exchange after the other, parsed into a scratch clock that the window copies
// from on finished.
class RefreshStatusSender : public SteppedClockSender
{
    Q_OBJECT

public:
    explicit RefreshStatusSender(const SenderTarget &target, QObject *parent = nullptr);

    DevClock *refreshedClock() const { return scratchClock(); }

protected:
    CommandType stepCommand(int step) const override;
    void parseStep(int step, const QString &reply) override;
};
