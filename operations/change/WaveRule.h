#pragma once

#include <QString>

// How a run over many clocks goes in waves and when it stops: a first, small
// wave (the canary), later waves of one size, and, between waves, a stop once
// more clocks failed than allowed. Unset sizes take their share of the
// clocks, at least one.
struct WaveRule
{
    static constexpr int defaultCanaryPercent = 1;
    static constexpr int defaultWavePercent = 10;
    static constexpr int defaultMaxFailedPercent = 5;

    int canary = 0;    // 0: defaultCanaryPercent of the clocks
    int wave = 0;      // 0: defaultWavePercent of the clocks
    int maxFailed = -1; // -1: maxFailedPercent of the clocks
    int maxFailedPercent = defaultMaxFailedPercent;

    int canarySize(int clocks) const;
    int waveSize(int clocks) const;
    int allowedFailures(int clocks) const;

    // "N" clocks or "P%"; false, leaving the rule as it was, for anything else.
    bool readMaxFailed(const QString &text);
};
