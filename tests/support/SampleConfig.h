#pragma once

struct ClockConfigFields;

// The one sample configuration of the tests and benchmarks: every field away
// from its default, so that a field lost on the way shows. seed varies the
// values; the golden files in tests/data were written from seeds 1, 2 and 7.
namespace SampleConfig {

void fill(ClockConfigFields &config, int seed);

} // namespace SampleConfig
