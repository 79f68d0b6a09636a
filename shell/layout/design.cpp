#include "shell/layout/design.h"

#include <array>

#include "tape/tape_font.h"

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

using enum CommandIndex;

constexpr std::array<KeyDesign, kCommandCount> kKeypad{{
    {Digit0, Key(810, 3480)},         {Digit1, Key(810, 2880)},
    {Digit2, Key(1410, 2880)},        {Digit3, Key(2010, 2880)},
    {Digit4, Key(810, 2280)},         {Digit5, Key(1410, 2280)},
    {Digit6, Key(2010, 2280)},        {Digit7, Key(810, 1680)},
    {Digit8, Key(1410, 1680)},        {Digit9, Key(2010, 1680)},
    {ClearAll, Key(90, 1680)},        {MemoryClear, Key(90, 2280)},
    {Clear, Key(90, 2880)},           {Backspace, Key(90, 3480)},
    {Subtract, Key(2730, 1680)},      {Add, {2730, 2280, kKey, 1770}},
    {Divide, Key(3330, 1680)},        {Multiply, Key(3330, 2280)},
    {Percent, Key(3330, 2880)},       {Total, {3330, 3480, 1170, kKey}},
    {MemoryRestore, Key(3930, 1680)}, {MemorySubtract, Key(3930, 2280)},
    {MemoryAdd, Key(3930, 2880)},     {Copy, SmallKey(2730, 1080)},
    {Paste, SmallKey(3330, 1080)},    {ShowHideTape, SmallKey(3930, 600)},
    {DoubleZero, Key(1410, 3480)},    {DecimalPoint, Key(2010, 3480)},
    {PrintTape, SmallKey(3330, 600)}, {New, SmallKey(2730, 600)},
    {Undo, SmallKey(3930, 1080)},
}};

constexpr std::array<RoundOptDesign, kRoundModeCount> kRoundOpts{{
    {kFloatingPointMode, 105, "F", 120, 195, "Floating Point (Ctrl+F)", "Floating Point"},
    {4, 465, "4", 480, 195, "4 Decimal Places (Ctrl+4)", "4 Decimal Places"},
    {3, 705, "3", 720, 195, "3 Decimal Places (Ctrl+3)", "3 Decimal Places"},
    {2, 945, "2", 960, 195, "2 Decimal Places (Ctrl+2)", "2 Decimal Places"},
    {1, 1185, "1", 1200, 195, "1 Decimal Place (Ctrl+1)", "1 Decimal Place"},
    {kIntegerMode, 1425, "0", 1440, 195, "Integer (Ctrl+0)", "Integer"},
    {kAutoAdd2Mode, 2010, "ADD2", 1800, 660, "Auto Add 2 Decimal Places (Ctrl+A)",
     "Auto Add 2 Decimal Places"},
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
        {std::string(kTapeName),
         {4620, 0, 3975, 4065},
         FontDesign{std::string(kTapeFontFamily), kTapeFontPointSize}},
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
        controls.push_back({KeyName(ValueOf(key.index)), key.rect, std::nullopt});
    }
    return controls;
}

}  // namespace vantrel
