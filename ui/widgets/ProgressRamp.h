#pragma once

// The drawn progress of a progress dialog: it follows the reported progress
// at a fixed speed (the whole range in rampSeconds) so that bursts of
// reports look like steady motion, but never passes the reported value.
// A report of exactly 1.0 is drawn at once.
class ProgressRamp
{
public:
    static constexpr double defaultRampSeconds = 2.5;
    static constexpr double defaultTickSeconds = 0.02;

    void setTarget(double value);
    // One animation step; true when the drawn value moved.
    bool tick();
    void finish();

    double target() const { return m_target; }
    double shown() const { return m_shown; }
    double rampSeconds() const { return m_rampSeconds; }
    double tickSeconds() const { return m_tickSeconds; }
    int tickIntervalMs() const;
    // The drawn value on a scale of 0..maximum.
    int scaled(int maximum) const;

private:
    double m_target = 0.0;
    double m_shown = 0.0;
    double m_rampSeconds = defaultRampSeconds;
    double m_tickSeconds = defaultTickSeconds;
};
