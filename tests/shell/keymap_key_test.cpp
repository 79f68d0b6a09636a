#include <gtest/gtest.h>

#include <QKeyEvent>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "commands/keyboard_map.h"
#include "commands/qt/virtual_key.h"
#include "shell/keymap/xkb_keymap.h"
#include "tests/support/recording_window.h"

namespace vantrel {
namespace {

// A virtual keyboard's map as input tools upload it: their keys numbered from 9 in order of
// first use, here the digits 1 to 9 and 0 on codes 9 to 18, then *, + and %.
constexpr const char* kVirtualKeymap = R"keymap(xkb_keymap {
xkb_keycodes "(unnamed)" { minimum = 8; maximum = 24;
  <K1> = 9; <K2> = 10; <K3> = 11; <K4> = 12; <K5> = 13; <K6> = 14; <K7> = 15; <K8> = 16;
  <K9> = 17; <K10> = 18; <K11> = 19; <K12> = 20; <K13> = 21; };
xkb_types "(unnamed)" { include "complete" };
xkb_compatibility "(unnamed)" { include "complete" };
xkb_symbols "(unnamed)" {
  key <K1> {[1]}; key <K2> {[2]}; key <K3> {[3]}; key <K4> {[4]}; key <K5> {[5]};
  key <K6> {[6]}; key <K7> {[7]}; key <K8> {[8]}; key <K9> {[9]}; key <K10> {[0]};
  key <K11> {[asterisk]}; key <K12> {[plus]}; key <K13> {[percent]}; };
};
)keymap";

const XkbKeymap& Keymap(const std::string& name) {
    static const std::map<std::string, XkbKeymap> keymaps = [] {
        std::map<std::string, XkbKeymap> made;
        for (const char* layout : {"us", "de", "fr"}) {
            if (auto keymap = XkbKeymap::FromNames(layout)) {
                made.emplace(layout, *keymap);
            }
        }
        if (auto keymap = XkbKeymap::FromText(kVirtualKeymap)) {
            made.emplace("virtual", *keymap);
        }
        return made;
    }();
    return keymaps.at(name);
}

struct LayoutCase {
    const char* name;
    const char* keymap;
    int qtKey;  // what Qt makes of the press, Shift applied
    Qt::KeyboardModifiers modifiers;
    quint32 keycode;  // the X11 and Wayland keycode, the evdev code + 8
    std::optional<CommandIndex> expected;
};

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

std::vector<LayoutCase> LayoutCases() {
    using C = CommandIndex;
    return {
        {"UsDigit", "us", Qt::Key_7, kNone, 16, C::Digit7},
        {"UsShiftFivePercent", "us", Qt::Key_Percent, kShift, 14, C::Percent},
        {"UsShiftEightMultiply", "us", Qt::Key_Asterisk, kShift, 17, C::Multiply},
        {"UsEqualsAdds", "us", Qt::Key_Equal, kNone, 21, C::Add},
        {"UsShiftPlusMemoryAdd", "us", Qt::Key_Plus, kShift, 21, C::MemoryAdd},
        {"UsMinusSubtracts", "us", Qt::Key_Minus, kNone, 20, C::Subtract},
        {"UsSlashDivides", "us", Qt::Key_Slash, kNone, 61, C::Divide},
        {"UsPeriodIsTheDecimalPoint", "us", Qt::Key_Period, kNone, 60, C::DecimalPoint},
        {"UsShiftOneDoesNothing", "us", Qt::Key_Exclam, kShift, 10, std::nullopt},
        {"GermanDigit", "de", Qt::Key_3, kNone, 12, C::Digit3},
        {"GermanShiftFivePercent", "de", Qt::Key_Percent, kShift, 14, C::Percent},
        {"GermanShiftEightMultiply", "de", Qt::Key_ParenLeft, kShift, 17, C::Multiply},
        {"GermanPlusAdds", "de", Qt::Key_Plus, kNone, 35, C::Add},
        {"GermanShiftPlusMemoryAdd", "de", Qt::Key_Asterisk, kShift, 35, C::MemoryAdd},
        {"GermanShiftZeroDoesNothing", "de", Qt::Key_Equal, kShift, 19, std::nullopt},
        {"GermanShiftSevenDoesNothing", "de", Qt::Key_Slash, kShift, 16, std::nullopt},
        {"GermanNumberSignIsNoDigit", "de", Qt::Key_NumberSign, kNone, 51, std::nullopt},
        {"GermanMinusSubtracts", "de", Qt::Key_Minus, kNone, 61, C::Subtract},
        {"GermanCommaIsNoDecimalPoint", "de", Qt::Key_Comma, kNone, 59, std::nullopt},
        {"FrenchAmpersandKeyIsOne", "fr", Qt::Key_Ampersand, kNone, 10, C::Digit1},
        {"FrenchMinusKeyIsSix", "fr", Qt::Key_Minus, kNone, 15, C::Digit6},
        {"FrenchUnderscoreKeyIsEight", "fr", Qt::Key_Underscore, kNone, 17, C::Digit8},
        {"FrenchAGraveKeyIsZero", "fr", Qt::Key_Agrave, kNone, 19, C::Digit0},
        {"FrenchShiftFivePercent", "fr", Qt::Key_5, kShift, 14, C::Percent},
        {"FrenchShiftEightMultiply", "fr", Qt::Key_8, kShift, 17, C::Multiply},
        {"FrenchAsteriskMultiplies", "fr", Qt::Key_Asterisk, kNone, 51, C::Multiply},
        {"FrenchEqualsAdds", "fr", Qt::Key_Equal, kNone, 21, C::Add},
        {"FrenchShiftPlusMemoryAdd", "fr", Qt::Key_Plus, kShift, 21, C::MemoryAdd},
        {"FrenchParenthesisIsNoDigit", "fr", Qt::Key_ParenRight, kNone, 20, std::nullopt},
        {"VirtualOne", "virtual", Qt::Key_1, kNone, 9, C::Digit1},
        {"VirtualTwoNotOne", "virtual", Qt::Key_2, kNone, 10, C::Digit2},
        {"VirtualZeroNotNine", "virtual", Qt::Key_0, kNone, 18, C::Digit0},
        {"VirtualAsteriskMultiplies", "virtual", Qt::Key_Asterisk, kNone, 19, C::Multiply},
        {"VirtualPlusAdds", "virtual", Qt::Key_Plus, kNone, 20, C::Add},
        {"VirtualShiftFivePercent", "virtual", Qt::Key_5, kShift, 13, C::Percent},
        {"VirtualPercentIsNoDigit", "virtual", Qt::Key_Percent, kNone, 21, std::nullopt},
    };
}

class LayoutKeyTest : public ::testing::TestWithParam<LayoutCase> {};

// From the key event as Qt gives it, through the keyboard tables, to the command it runs.
TEST_P(LayoutKeyTest, RunsTheCommandTheKeyCarries) {
    const LayoutCase& c = GetParam();
    const XkbKeymap& keymap = Keymap(c.keymap);
    const KeymapLookup lookup = [&keymap](quint32 keycode) { return keymap.Key(keycode); };
    const QKeyEvent event(QEvent::KeyPress, c.qtKey, c.modifiers, c.keycode, 0, 0);
    std::vector<std::string> events;
    RecordingWindow window(events);
    RecordingCommands commands(events);
    KeyboardMapping mapping(commands, window);
    mapping.Form_KeyDown(VirtualKeyCode(event, lookup), ModifierMask(event.modifiers()));
    std::vector<std::string> expected;
    if (c.expected) {
        const std::string index = std::to_string(ValueOf(*c.expected));
        expected = {"press " + index, "click " + index};
    }
    EXPECT_EQ(events, expected);
}

INSTANTIATE_TEST_SUITE_P(Layouts, LayoutKeyTest, ::testing::ValuesIn(LayoutCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(XkbKeymapTest, KnowsOnlyTheKeysOfTheMap) {
    const XkbKeymap& keymap = Keymap("virtual");
    EXPECT_FALSE(keymap.Key(8).has_value());
    EXPECT_FALSE(keymap.Key(22).has_value());
    EXPECT_FALSE(keymap.Key(0).has_value());
    const auto asterisk = keymap.Key(19);
    ASSERT_TRUE(asterisk.has_value());
    EXPECT_FALSE(asterisk->digit.has_value());
    EXPECT_EQ(asterisk->baseKeysym, static_cast<quint32>('*'));
}

TEST(XkbKeymapTest, RefusesATextThatIsNoMap) {
    EXPECT_FALSE(XkbKeymap::FromText("xkb_keymap { broken").has_value());
    EXPECT_FALSE(XkbKeymap::FromText("").has_value());
}

// The pad's keys keep their meaning under every layout, whatever the map says of their codes.
TEST(XkbKeymapTest, PadKeysAreKnownByTheirKeysymUnderAnyMap) {
    const XkbKeymap& keymap = Keymap("de");
    const KeymapLookup lookup = [&keymap](quint32 keycode) { return keymap.Key(keycode); };
    const QKeyEvent multiply(QEvent::KeyPress, Qt::Key_Asterisk, Qt::NoModifier, 63, 0xffaa, 0);
    const QKeyEvent separator(QEvent::KeyPress, Qt::Key_Comma, Qt::NoModifier, 91, 0xffac, 0);
    EXPECT_EQ(VirtualKeyCode(multiply, lookup), 106);
    EXPECT_EQ(VirtualKeyCode(separator, lookup), 110);
}

}  // namespace
}  // namespace vantrel
