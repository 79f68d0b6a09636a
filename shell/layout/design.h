#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/vocabulary.h"
#include "shell/layout/twips.h"

// The main window as designed at 15 twips per pixel. Positions are in twips within the
// control's container: the client area, or the rounding panel for its options and labels.
namespace vantrel {

struct FontDesign {
    std::string family;
    double points = 0;
    bool bold = false;
    bool underline = false;

    bool operator==(const FontDesign&) const = default;
};

struct ControlDesign {
    std::string name;
    TwipsRect rect;
    std::optional<FontDesign> font;
};

// Where a keypad key sits; what it says is in core/command_table.h.
struct KeyDesign {
    CommandIndex index;
    TwipsRect rect;
};

struct RoundOptDesign {
    int index;
    double optionLeft;
    std::string_view label;
    double labelLeft;
    double labelWidth;
    std::string_view toolTip;
    // What a screen reader calls the option; the tooltip, shortcut and all, is its description.
    std::string_view accessibleName;
};

inline constexpr std::string_view kDisplayName = "C_Display";
inline constexpr std::string_view kMemoryLabelName = "LMem";
inline constexpr std::string_view kCounterLabelName = "LCounter";
inline constexpr std::string_view kTapeName = "CalcTape1";
inline constexpr std::string_view kRoundPanelName = "RoundFrame";
inline constexpr std::string_view kRoundPanelToolTip = "Round \\ Input Option";

// Object names of the arrays' elements: theButton7, RoundOpt6, RoundLabel6.
std::string KeyName(int index);
std::string RoundOptName(int index);
std::string RoundLabelName(int index);

// The 31 keypad keys, by index.
std::span<const KeyDesign> KeypadDesign();
// The seven rounding options from left to right.
std::span<const RoundOptDesign> RoundOptDesigns();

// Every placed control of the main window, in the order the window creates them.
std::vector<ControlDesign> DesignControls();

}  // namespace vantrel
