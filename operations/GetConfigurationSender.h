#pragma once

#include "SteppedClockSender.h"

// Reads a clock's configuration in its three parts (time, display, alarms)
// into a scratch clock; the window copies it into the listed clock on
// finished.
class GetConfigurationSender : public SteppedClockSender
{
    Q_OBJECT

public:
    explicit GetConfigurationSender(const SenderTarget &target, QObject *parent = nullptr);

    DevClock *downloadedClock() const { return scratchClock(); }
    // Every part decoded. A part that did not keeps the defaults, which
    // would read as settings the clock never had.
    bool allPartsDecoded() const { return m_decodedParts == StepCount; }

protected:
    CommandType stepCommand(int step) const override;
    void parseStep(int step, const QString &reply) override;

private:
    int m_decodedParts = 0;
};
