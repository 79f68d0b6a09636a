#include <gtest/gtest.h>

#include "tools/headless/headless_session.h"

namespace vantrel {
namespace {

using enum CommandIndex;

TEST(ResultBlink, BlanksTheDisplayUntilTheTimerShowsTheResult) {
    HeadlessSession session;
    session.Click(Digit5);
    session.Click(Subtract);

    EXPECT_EQ(session.Display().displayText, "");
    EXPECT_TRUE(session.Timer().running);
    EXPECT_EQ(session.Timer().interval, 100);
    EXPECT_EQ(session.Display().ink, Ink::Red);
    EXPECT_EQ(session.State().DisplayText, "-5. ");

    session.EndBlink();
    EXPECT_EQ(session.Display().displayText, "-5. ");
    EXPECT_FALSE(session.Timer().running);
}

TEST(ResultBlink, NewerResultWithinTheBlinkEndsItWithTheNewerText) {
    HeadlessSession session;
    session.Click(Digit5);
    session.Click(Add);
    session.Click(Add);
    session.EndBlink();
    EXPECT_EQ(session.Display().displayText, "10. ");
}

TEST(ResultBlink, KeyTypedDuringTheBlinkIsNotPaintedOver) {
    HeadlessSession session;
    session.Click(Digit5);
    session.Click(Add);
    session.Click(Digit7);
    EXPECT_EQ(session.Display().displayText, "7. ");
    EXPECT_FALSE(session.Timer().running);
    session.EndBlink();
    EXPECT_EQ(session.Display().displayText, "7. ");
}

TEST(ResultBlink, ErrorDuringTheBlinkStaysOnTheDisplay) {
    HeadlessSession session;
    session.Click(Digit0);
    session.Click(Divide);
    session.Click(Total);
    session.EndBlink();
    EXPECT_EQ(session.Display().displayText, "-Error- ");
    EXPECT_TRUE(session.State().ErrorState);
}

TEST(ResultBlink, CopyDuringTheBlinkTakesTheTextAboutToAppear) {
    HeadlessSession session;
    session.Click(Digit1);
    session.Click(Digit2);
    session.Click(Subtract);
    session.Machine().Commands().Copy();
    EXPECT_EQ(session.Clipboard().text, "-12.");
}

}  // namespace
}  // namespace vantrel
