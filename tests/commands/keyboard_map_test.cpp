#include "commands/keyboard_map.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/virtual_keys.h"
#include "tests/support/recording_window.h"

namespace vantrel {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

// The mapping with both its targets recording into one list.
struct MappedKeys {
    std::vector<std::string> events;
    RecordingWindow window{events};
    RecordingCommands commands{events};
    KeyboardMapping mapping{commands, window};
};

struct KeyDownCase {
    const char* name;
    int keyCode;
    int mask;
    std::vector<std::string> expected;
};

std::vector<std::string> Pressed(int index) {
    return {"press " + std::to_string(index), "click " + std::to_string(index)};
}

std::vector<KeyDownCase> KeyDownCases() {
    constexpr int kCtrlAlt = kCtrlMask | kAltMask;
    return {
        {"MainRowDigitZero", 48, 0, Pressed(0)},
        {"MainRowDigitNine", 57, 0, Pressed(9)},
        {"PadDigitZero", 96, 0, Pressed(0)},
        {"PadDigitSeven", 103, 0, Pressed(7)},
        {"Delete", 46, 0, Pressed(12)},
        {"Backspace", 8, 0, Pressed(13)},
        {"PadMinus", 109, 0, Pressed(14)},
        {"MainRowMinus", 189, 0, Pressed(14)},
        {"PadPlus", 107, 0, Pressed(15)},
        {"MainRowEqualsPlus", 187, 0, Pressed(15)},
        {"PadSlash", 111, 0, Pressed(16)},
        {"MainRowSlash", 191, 0, Pressed(16)},
        {"PadAsterisk", 106, 0, Pressed(17)},
        {"Enter", 13, 0, Pressed(19)},
        {"PadDecimal", 110, 0, Pressed(27)},
        {"MainRowPeriod", 190, 0, Pressed(27)},
        {"GraveKey", 192, 0, Pressed(27)},
        {"Space", 32, 0, Pressed(26)},
        {"Escape", 27, 0, {"exit"}},
        {"PageUp", 33, 0, {"page up"}},
        {"PageDown", 34, 0, {"page down"}},
        {"PlainLetterIgnored", 65, 0, {}},
        {"AltAloneKeepsPlainTable", 53, kAltMask, Pressed(5)},
        {"AltEnterTotals", 13, kAltMask, Pressed(19)},
        {"ShiftFiveIsPercent", 53, kShiftMask, Pressed(18)},
        {"ShiftEightIsMultiply", 56, kShiftMask, Pressed(17)},
        {"ShiftPadMinusIsMemorySubtract", 109, kShiftMask, Pressed(21)},
        {"ShiftMainRowMinusIsMemorySubtract", 189, kShiftMask, Pressed(21)},
        {"ShiftPadPlusIsMemoryAdd", 107, kShiftMask, Pressed(22)},
        {"ShiftEqualsPlusIsMemoryAdd", 187, kShiftMask, Pressed(22)},
        {"ShiftEnterIsMemoryRestore", 13, kShiftMask, Pressed(20)},
        {"ShiftDeleteIsMemoryClear", 46, kShiftMask, Pressed(11)},
        {"ShiftOtherDigitIgnored", 49, kShiftMask, {}},
        {"ShiftPadDigitIgnored", 101, kShiftMask, {}},
        {"ShiftSpaceIgnored", 32, kShiftMask, {}},
        {"ShiftEscapeIgnored", 27, kShiftMask, {}},
        {"ShiftPageDownIgnored", 34, kShiftMask, {}},
        {"AltShiftFiveIsPercent", 53, kShiftMask | kAltMask, Pressed(18)},
        {"CtrlCCopies", 67, kCtrlMask, Pressed(23)},
        {"CtrlShiftCCopies", 67, kCtrlMask | kShiftMask, Pressed(23)},
        {"CtrlAltCCopiesTapeImage", 67, kCtrlAlt, {"image 1"}},
        {"CtrlAltShiftCCopiesTapeImage", 67, kCtrlAlt | kShiftMask, {"image 1"}},
        {"CtrlVPastes", 86, kCtrlMask, Pressed(24)},
        {"CtrlPPrints", 80, kCtrlMask, Pressed(28)},
        {"CtrlNNew", 78, kCtrlMask, Pressed(29)},
        {"CtrlSpaceTogglesTape", 32, kCtrlMask, Pressed(25)},
        {"CtrlDeleteClearsAll", 46, kCtrlMask, Pressed(10)},
        {"CtrlShiftDeleteClearsAll", 46, kCtrlMask | kShiftMask, Pressed(10)},
        {"CtrlZeroSelectsInteger", 48, kCtrlMask, {"round 0"}},
        {"CtrlFourSelectsFourPlaces", 52, kCtrlMask, {"round 4"}},
        {"CtrlPadZeroSelectsInteger", 96, kCtrlMask, {"round 0"}},
        {"CtrlPadFourSelectsFourPlaces", 100, kCtrlMask, {"round 4"}},
        {"CtrlASelectsAdd2", 65, kCtrlMask, {"round 5"}},
        {"CtrlFSelectsFloatingPoint", 70, kCtrlMask, {"round 6"}},
        {"CtrlFiveIgnored", 53, kCtrlMask, {}},
        {"CtrlNineIgnored", 57, kCtrlMask, {}},
        {"CtrlPadFiveIgnored", 101, kCtrlMask, {}},
        {"CtrlEnterIgnored", 13, kCtrlMask, {}},
        {"CtrlPlusIgnored", 107, kCtrlMask, {}},
        {"CtrlEscapeIgnored", 27, kCtrlMask, {}},
        {"CtrlZWithUndoUnavailable", 90, kCtrlMask, {}},
        {"ModifierKeyItselfIgnored", 16, kShiftMask, {}},
    };
}

class KeyDownTest : public ::testing::TestWithParam<KeyDownCase> {};

TEST_P(KeyDownTest, RunsTheMappedAction) {
    MappedKeys keys;
    keys.mapping.Form_KeyDown(GetParam().keyCode, GetParam().mask);
    EXPECT_THAT(keys.events, ElementsAreArray(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Tables, KeyDownTest, ::testing::ValuesIn(KeyDownCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// The focus keys are exactly those no table gives a meaning, under every modifier: Enter,
// Space, Delete and Page Down keep theirs whatever has the focus.
TEST(KeyboardMappingTest, FocusKeysAreTabArrowsHomeAndEndThatNoTableTakes) {
    for (const int modifiers : {0, kShiftMask, kCtrlMask, kAltMask}) {
        for (const int key : {kVkTab, kVkEnd, kVkHome, kVkLeft, kVkUp, kVkRight, kVkDown}) {
            EXPECT_TRUE(IsFocusKey(key, modifiers)) << key << " under " << modifiers;
        }
        for (const int key : {kVkReturn, kVkSpace, kVkDelete, kVkNext, kVkPrior, kVkBack, kVkEscape,
                              VkDigit(5), VkNumpad(5), kVkAdd, VkLetter('C')}) {
            EXPECT_FALSE(IsFocusKey(key, modifiers)) << key << " under " << modifiers;
        }
    }
}

TEST(KeyboardMappingTest, CtrlZUndoesOnlyWhileUndoIsEnabled) {
    MappedKeys keys;
    keys.commands.undoAvailable = true;
    keys.mapping.Form_KeyDown(90, kCtrlMask);
    EXPECT_THAT(keys.events, ElementsAre("press 30", "click 30"));
}

TEST(KeyboardMappingTest, HeldKeyActsOnceUntilReleased) {
    MappedKeys keys;
    keys.mapping.Form_KeyDown(55, 0);
    keys.mapping.Form_KeyDown(55, 0);
    keys.mapping.Form_KeyDown(55, 0);
    keys.mapping.Form_KeyUp(55);
    keys.events.clear();
    keys.mapping.Form_KeyDown(55, 0);
    keys.mapping.Form_KeyDown(55, 0);
    EXPECT_THAT(keys.events, ElementsAre("press 7", "click 7"));
}

TEST(KeyboardMappingTest, HeldPageDownPagesOnce) {
    MappedKeys keys;
    for (int repeat = 0; repeat < 5; ++repeat) {
        keys.mapping.Form_KeyDown(34, 0);
    }
    EXPECT_THAT(keys.events, ElementsAre("page down"));
}

TEST(KeyboardMappingTest, RepeatIsJudgedByKeyCodeAloneNotByModifiers) {
    MappedKeys keys;
    keys.mapping.Form_KeyDown(187, 0);
    keys.mapping.Form_KeyDown(187, kShiftMask);
    EXPECT_THAT(keys.events, ElementsAre("press 15", "click 15"));
}

TEST(KeyboardMappingTest, AnyOtherKeyDownLetsTheSameKeyActAgain) {
    MappedKeys keys;
    keys.mapping.Form_KeyDown(55, 0);
    keys.mapping.Form_KeyDown(16, kShiftMask);
    keys.mapping.Form_KeyDown(55, 0);
    EXPECT_THAT(keys.events, ElementsAre("press 7", "click 7", "press 7", "click 7"));
}

TEST(KeyboardMappingTest, KeyUpSwallowedByABoxSuppressesTheNextPressOnce) {
    MappedKeys keys;
    keys.mapping.Form_KeyDown(27, 0);
    keys.mapping.Form_KeyDown(27, 0);
    EXPECT_THAT(keys.events, ElementsAre("exit"));
}

TEST(KeyboardMappingTest, ForgetLastKeyLetsTheSameKeyActAgain) {
    MappedKeys keys;
    keys.mapping.Form_KeyDown(27, 0);
    keys.mapping.ForgetLastKey();
    keys.mapping.Form_KeyDown(27, 0);
    EXPECT_THAT(keys.events, ElementsAre("exit", "exit"));
}

TEST(KeyboardMappingTest, KeyCodeIsKeptAsSixteenBits) {
    MappedKeys keys;
    keys.mapping.Form_KeyDown(55, 0);
    keys.mapping.Form_KeyDown(55 + 0x10000, 0);
    EXPECT_THAT(keys.events, ElementsAre("press 7", "click 7"));
}

struct KeyUpCase {
    const char* name;
    int keyCode;
    std::vector<int> released;
};

std::vector<KeyUpCase> KeyUpCases() {
    return {
        {"MainRowDigit", 52, {4}},    {"PadDigit", 105, {9}},
        {"Delete", 46, {10, 11, 12}}, {"Backspace", 8, {13}},
        {"PadMinus", 109, {14, 21}},  {"MainRowMinus", 189, {14, 21}},
        {"PadPlus", 107, {15, 22}},   {"MainRowEqualsPlus", 187, {15, 22}},
        {"PadSlash", 111, {16}},      {"MainRowSlash", 191, {16}},
        {"PadAsterisk", 106, {17}},   {"Enter", 13, {19, 20}},
        {"Space", 32, {26}},          {"PadDecimal", 110, {27}},
        {"MainRowPeriod", 190, {27}}, {"GraveKey", 192, {27}},
        {"Letter", 67, {}},           {"Shift", 16, {}},
        {"Escape", 27, {}},
    };
}

class KeyUpTest : public ::testing::TestWithParam<KeyUpCase> {};

TEST_P(KeyUpTest, ReleasesTheKeysButtonsThenTheModifierButtons) {
    MappedKeys keys;
    keys.mapping.Form_KeyUp(GetParam().keyCode);
    std::vector<std::string> expected;
    for (const int button : GetParam().released) {
        expected.push_back("release " + std::to_string(button));
    }
    for (const int button : {18, 17, 23, 24, 25, 28, 29, 30}) {
        expected.push_back("release " + std::to_string(button));
    }
    EXPECT_THAT(keys.events, ElementsAreArray(expected));
}

INSTANTIATE_TEST_SUITE_P(Tables, KeyUpTest, ::testing::ValuesIn(KeyUpCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// Whatever the modifiers at key-down, the key-up of the same key (its modifiers possibly
// already let go) must leave no button drawn pressed.
TEST(KeyboardMappingTest, EveryPressedButtonIsReleasedByItsOwnKeyUp) {
    for (int mask = 0; mask <= (kShiftMask | kCtrlMask | kAltMask); ++mask) {
        for (int keyCode = 1; keyCode < 256; ++keyCode) {
            MappedKeys keys;
            keys.commands.undoAvailable = true;
            keys.mapping.Form_KeyDown(keyCode, mask);
            keys.mapping.Form_KeyUp(keyCode);
            EXPECT_THAT(keys.window.shownPressed, IsEmpty())
                << "key " << keyCode << " with modifier mask " << mask;
        }
    }
}

TEST(KeyboardMappingTest, ButtonStaysPressedUntilKeyUp) {
    MappedKeys keys;
    keys.mapping.Form_KeyDown(13, kShiftMask);
    EXPECT_THAT(keys.window.shownPressed, ElementsAre(20));
    keys.mapping.Form_KeyDown(16, kShiftMask);
    EXPECT_THAT(keys.window.shownPressed, ElementsAre(20));
}

}  // namespace
}  // namespace vantrel
