#include "shell/layout/design.h"

#include <array>

namespace vantrel {

namespace {

constexpr double kKey = 570;
constexpr double kSmallKeyHeight = 435;

constexpr TwipsRect Key(double left, double top) {
    return {left, top, kKey, kKey};
}
constexpr TwipsRect SmallKey(double left, double top) {
    return {left, top, kKey, kSmallKeyHeight};
}

constexpr std::array<KeyDesign, 31> kKeypad{{
    {0, Key(810, 3480), "", "0"},
    {1, Key(810, 2880), "", "1"},
    {2, Key(1410, 2880), "", "2"},
    {3, Key(2010, 2880), "", "3"},
    {4, Key(810, 2280), "", "4"},
    {5, Key(1410, 2280), "", "5"},
    {6, Key(2010, 2280), "", "6"},
    {7, Key(810, 1680), "", "7"},
    {8, Key(1410, 1680), "", "8"},
    {9, Key(2010, 1680), "", "9"},
    {10, Key(90, 1680), "Clear All (Ctrl+Del)", "Clear All"},
    {11, Key(90, 2280), "Memory Clear (Shift+Del)", "Memory Clear"},
    {12, Key(90, 2880), "Clear (Del)", "Clear"},
    {13, Key(90, 3480), "Backspace", "Backspace"},
    {14, Key(2730, 1680), "Subtract", "Subtract"},
    {15, {2730, 2280, kKey, 1770}, "Add", "Add"},
    {16, Key(3330, 1680), "Divide", "Divide"},
    {17, Key(3330, 2280), "Multply", "Multiply"},
    {18, Key(3330, 2880), "PerCent", "Percent"},
    {19, {3330, 3480, 1170, kKey}, "Total (Enter)", "Total"},
    {20, Key(3930, 1680), "Memory Restore (Shift+Enter)", "Memory Restore"},
    {21, Key(3930, 2280), "Memory Subtract (Shift+ \"-\")", "Memory Subtract"},
    {22, Key(3930, 2880), "Memory Add (Shit+ \"+\")", "Memory Add"},
    {23, SmallKey(2730, 1080), "Copy (Ctrl+C)", "Copy"},
    {24, SmallKey(3330, 1080), "Paste (Ctrl+V)", "Paste"},
    {25, SmallKey(3930, 600), "Show \\ Hide Tape (Ctrl+Spacebar)", "Show or Hide Tape"},
    {26, Key(1410, 3480), "(Spacebar)", "Double Zero"},
    {27, Key(2010, 3480), "", "Decimal Point"},
    {28, SmallKey(3330, 600), "Print Tape (Ctrl+P)", "Print Tape"},
    {29, SmallKey(2730, 600), "New (Ctrl+N)", "New"},
    {30, SmallKey(3930, 1080), "Undo (Ctrl+Z)", "Undo"},
}};

constexpr std::array<RoundOptDesign, 7> kRoundOpts{{
    {6, 105, "F", 120, 195, "Floating Point (Ctrl+F)"},
    {4, 465, "4", 480, 195, "4 Decimal Places (Ctrl+4)"},
    {3, 705, "3", 720, 195, "3 Decimal Places (Ctrl+3)"},
    {2, 945, "2", 960, 195, "2 Decimal Places (Ctrl+2)"},
    {1, 1185, "1", 1200, 195, "1 Decimal Place (Ctrl+1)"},
    {0, 1425, "0", 1440, 195, "Integer (Ctrl+0)"},
    {5, 2010, "ADD2", 1800, 660, "Auto Add 2 Decimal Places (Ctrl+A)"},
}};

constexpr double kOptionTop = 390;
constexpr double kOptionWidth = 195;
constexpr double kOptionHeight = 192;
constexpr double kRoundLabelTop = 165;
constexpr double kRoundLabelHeight = 195;

// The typeface every control gets unless it is given another.
const FontDesign kFormFont{"MS Sans Serif", 8, false};

}  // namespace

std::string KeyName(int index) {
    return "theButton" + std::to_string(index);
}
std::string RoundOptName(int index) {
    return "RoundOpt" + std::to_string(index);
}
std::string RoundLabelName(int index) {
    return "RoundLabel" + std::to_string(index);
}

std::span<const KeyDesign> KeypadDesign() {
    return kKeypad;
}
std::span<const RoundOptDesign> RoundOptDesigns() {
    return kRoundOpts;
}

std::vector<ControlDesign> DesignControls() {
    std::vector<ControlDesign> controls{
        {std::string(kTapeName), {4620, 0, 3975, 4065}, FontDesign{"Courier New", kTapeFontPoints}},
        {std::string(kDisplayName), {90, 0, 4410, 495}, FontDesign{"MS Sans Serif", 18, true}},
        {std::string(kMemoryLabelName), {810, 1245, 1770, 270}, kFormFont},
        {std::string(kCounterLabelName), {90, 1245, 570, 270}, kFormFont},
        {std::string(kRoundPanelName), {90, 510, 2490, 690}, kFormFont},
    };
    for (const RoundOptDesign& option : kRoundOpts) {
        controls.push_back({RoundOptName(option.index),
                            {option.optionLeft, kOptionTop, kOptionWidth, kOptionHeight},
                            kFormFont});
        controls.push_back(
            {RoundLabelName(option.index),
             {option.labelLeft, kRoundLabelTop, option.labelWidth, kRoundLabelHeight},
             kFormFont});
    }
    for (const KeyDesign& key : kKeypad) {
        controls.push_back({KeyName(key.index), key.rect, std::nullopt});
    }
    return controls;
}

}  // namespace vantrel
