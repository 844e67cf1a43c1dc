#pragma once

#include "operations/SteppedClockSender.h"

#include "model/ClockConfig.h"

// Reads a clock's configuration in its three parts (time, display, alarms)
// into a scratch clock; the window copies it into the listed clock on
// finished. A reply that does not decode ends the sender with error
// (IncorrectData) at once: a part left at its defaults would read as
// settings the clock never had, and be saved or sent on as such.
class GetConfigurationSender : public SteppedClockSender
{
    Q_OBJECT

public:
    explicit GetConfigurationSender(const SenderTarget &target, QObject *parent = nullptr);

    DevClock *downloadedClock() const { return scratchClock(); }
    // Every part decoded. A part that did not keeps the defaults, which
    // would read as settings the clock never had.
    bool allPartsDecoded() const { return m_decodedParts == StepCount; }
    // The part whose reply did not decode; None otherwise.
    ConfigPart unreadPart() const { return m_unreadPart; }

protected:
    CommandType stepCommand(int step) const override;
    void parseStep(int step, const QString &reply) override;

private:
    int m_decodedParts = 0;
    ConfigPart m_unreadPart = ConfigPart::None;
};
