#include <gtest/gtest.h>

#include "tools/headless/headless_session.h"

namespace vantrel {
namespace {

constexpr std::int16_t kAdd = 15;
constexpr std::int16_t kSubtract = 14;
constexpr std::int16_t kDivide = 16;
constexpr std::int16_t kTotal = 19;

TEST(ResultBlink, BlanksTheDisplayUntilTheTimerShowsTheResult) {
    HeadlessSession session;
    session.Click(5);
    session.Click(kSubtract);

    EXPECT_EQ(session.display().displayText, "");
    EXPECT_TRUE(session.timer().running);
    EXPECT_EQ(session.timer().interval, 100);
    EXPECT_EQ(session.display().ink, Ink::Red);
    EXPECT_EQ(session.state().DisplayText, "-5. ");

    session.EndBlink();
    EXPECT_EQ(session.display().displayText, "-5. ");
    EXPECT_FALSE(session.timer().running);
}

TEST(ResultBlink, NewerResultWithinTheBlinkEndsItWithTheNewerText) {
    HeadlessSession session;
    session.Click(5);
    session.Click(kAdd);
    session.Click(kAdd);
    session.EndBlink();
    EXPECT_EQ(session.display().displayText, "10. ");
}

TEST(ResultBlink, KeyTypedDuringTheBlinkIsNotPaintedOver) {
    HeadlessSession session;
    session.Click(5);
    session.Click(kAdd);
    session.Click(7);
    EXPECT_EQ(session.display().displayText, "7. ");
    EXPECT_FALSE(session.timer().running);
    session.EndBlink();
    EXPECT_EQ(session.display().displayText, "7. ");
}

TEST(ResultBlink, ErrorDuringTheBlinkStaysOnTheDisplay) {
    HeadlessSession session;
    session.Click(0);
    session.Click(kDivide);
    session.Click(kTotal);
    session.EndBlink();
    EXPECT_EQ(session.display().displayText, "-Error- ");
    EXPECT_TRUE(session.state().ErrorState);
}

TEST(ResultBlink, CopyDuringTheBlinkTakesTheTextAboutToAppear) {
    HeadlessSession session;
    session.Click(1);
    session.Click(2);
    session.Click(kSubtract);
    session.dispatcher().Copy();
    EXPECT_EQ(session.clipboard().text, "-12.");
}

}  // namespace
}  // namespace vantrel
