#pragma once

#include <cstdint>
#include <vector>

namespace vantrel {

// A sine tone as signed 16-bit mono samples, faded in and out over its first and last
// milliseconds so that its edges do not click.
std::vector<std::int16_t> SynthesizeTone(int frequencyHz, int milliseconds, int sampleRate);

}  // namespace vantrel
