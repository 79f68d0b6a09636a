#include "shell/tones/sound_server_tones.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vantrel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Tone = std::pair<int, int>;

constexpr Tone kDrain{0, 0};

// Records tones and drains; refuses its `failAt`-th call (counted from 0, drains included).
class FakeOutput : public ToneOutput {
  public:
    FakeOutput(std::vector<Tone>& calls, int failAt) : m_calls(calls), m_failAt(failAt) {}

    bool Play(int frequencyHz, int milliseconds) override {
        return Record({frequencyHz, milliseconds});
    }
    bool Drain() override { return Record(kDrain); }

  private:
    bool Record(Tone call) {
        if (m_count++ == m_failAt) {
            return false;
        }
        m_calls.push_back(call);
        return true;
    }

    std::vector<Tone>& m_calls;
    int m_failAt;
    int m_count = 0;
};

struct TonesUnderTest {
    explicit TonesUnderTest(int failAt = -1)
        : tones(std::make_unique<FakeOutput>(played, failAt), [this] { ++bells; }) {}

    std::vector<Tone> played;
    int bells = 0;
    SoundServerTones tones;
};

TEST(SoundServerTonesTest, ErrorBeepPlaysThreeTonesInOrderThenWaitsForThemToEnd) {
    TonesUnderTest beep;
    beep.tones.ErrorBeep();
    EXPECT_THAT(beep.played, ElementsAre(Tone{5000, 5}, Tone{3000, 5}, Tone{4000, 5}, kDrain));
    EXPECT_EQ(beep.bells, 0);
}

TEST(SoundServerTonesTest, EveryErrorBeepPlaysAllThreeTones) {
    TonesUnderTest beep;
    beep.tones.ErrorBeep();
    beep.tones.ErrorBeep();
    EXPECT_EQ(beep.played.size(), 8U);
    EXPECT_EQ(beep.bells, 0);
}

TEST(SoundServerTonesTest, OutputThatCannotStartFallsBackToTheBell) {
    TonesUnderTest beep(0);
    beep.tones.ErrorBeep();
    EXPECT_THAT(beep.played, IsEmpty());
    EXPECT_EQ(beep.bells, 1);
}

TEST(SoundServerTonesTest, OutputFailingMidwayRingsTheBellOnce) {
    TonesUnderTest beep(1);
    beep.tones.ErrorBeep();
    EXPECT_THAT(beep.played, ElementsAre(Tone{5000, 5}));
    EXPECT_EQ(beep.bells, 1);
}

TEST(SoundServerTonesTest, OutputFailingWhileTheTonesPlayRingsTheBell) {
    TonesUnderTest beep(3);
    beep.tones.ErrorBeep();
    EXPECT_THAT(beep.played, ElementsAre(Tone{5000, 5}, Tone{3000, 5}, Tone{4000, 5}));
    EXPECT_EQ(beep.bells, 1);
}

TEST(SoundServerTonesTest, AfterAFailureLaterBeepsGoStraightToTheBell) {
    TonesUnderTest beep(0);
    beep.tones.ErrorBeep();
    beep.tones.ErrorBeep();
    beep.tones.ErrorBeep();
    EXPECT_THAT(beep.played, IsEmpty());
    EXPECT_EQ(beep.bells, 3);
}

}  // namespace
}  // namespace vantrel
