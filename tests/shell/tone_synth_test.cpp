#include "shell/tones/tone_synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace vantrel {
namespace {

int RisingZeroCrossings(const std::vector<std::int16_t>& samples) {
    int crossings = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (samples[i - 1] < 0 && samples[i] >= 0) {
            ++crossings;
        }
    }
    return crossings;
}

struct ToneCase {
    int frequencyHz;
    int milliseconds;
    int sampleRate;
};

class SynthesizeToneTest : public ::testing::TestWithParam<ToneCase> {};

TEST_P(SynthesizeToneTest, HasTheLengthAndFrequencyAsked) {
    const auto [frequency, milliseconds, rate] = GetParam();
    const auto samples = SynthesizeTone(frequency, milliseconds, rate);
    EXPECT_EQ(samples.size(), static_cast<std::size_t>(rate / 1000 * milliseconds));
    // A sine starting at phase 0 rises through zero once per period after the first.
    const int periods = frequency * milliseconds / 1000;
    EXPECT_NEAR(RisingZeroCrossings(samples), periods - 1, 1);
}

INSTANTIATE_TEST_SUITE_P(Tones, SynthesizeToneTest,
                         ::testing::Values(ToneCase{5000, 5, 48000}, ToneCase{3000, 5, 48000},
                                           ToneCase{4000, 5, 48000}, ToneCase{5000, 5, 44100},
                                           ToneCase{440, 100, 48000}, ToneCase{1000, 20, 8000}));

TEST(ToneShapeTest, FadesInAndOutToAvoidClicks) {
    const auto samples = SynthesizeTone(4000, 5, 48000);
    ASSERT_EQ(samples.size(), 240U);
    const auto magnitude = [](std::int16_t s) { return std::abs(static_cast<int>(s)); };
    const auto peak = [&](std::size_t from, std::size_t to) {
        int result = 0;
        for (std::size_t i = from; i < to; ++i) {
            result = std::max(result, magnitude(samples[i]));
        }
        return result;
    };
    const int middle = peak(100, 140);
    EXPECT_GT(middle, 8000);
    EXPECT_LT(peak(0, 5), middle / 4);
    EXPECT_LT(peak(235, 240), middle / 4);
}

TEST(ToneShapeTest, DegenerateRequestsGiveSilence) {
    EXPECT_TRUE(SynthesizeTone(0, 5, 48000).empty());
    EXPECT_TRUE(SynthesizeTone(5000, 0, 48000).empty());
    EXPECT_TRUE(SynthesizeTone(5000, 5, 0).empty());
    EXPECT_TRUE(SynthesizeTone(-5000, 5, 48000).empty());
}

}  // namespace
}  // namespace vantrel
