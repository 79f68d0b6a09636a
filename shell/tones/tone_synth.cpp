#include "shell/tones/tone_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantrel {
namespace {

constexpr double kAmplitude = 0.35 * 32767.0;
constexpr int kFadeDivisor = 1000;  // one millisecond of fade at each end

}  // namespace

std::vector<std::int16_t> SynthesizeTone(int frequencyHz, int milliseconds, int sampleRate) {
    if (frequencyHz <= 0 || milliseconds <= 0 || sampleRate <= 0) {
        return {};
    }
    const auto count =
        static_cast<std::size_t>(static_cast<std::int64_t>(sampleRate) * milliseconds / 1000);
    const std::size_t fade = std::min<std::size_t>(
        count / 2, static_cast<std::size_t>(std::max(1, sampleRate / kFadeDivisor)));
    const double step = 2.0 * std::numbers::pi * frequencyHz / sampleRate;

    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t edge = std::min(i, count - 1 - i);
        const double gain = edge < fade ? static_cast<double>(edge) / fade : 1.0;
        samples[i] = static_cast<std::int16_t>(std::lround(kAmplitude * gain * std::sin(step * i)));
    }
    return samples;
}

}  // namespace vantrel
