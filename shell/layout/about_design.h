#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/layout/design.h"
#include "shell/layout/twips.h"

// The About window as designed at 15 twips per pixel; positions are in twips within its
// client area.
namespace vantrel {

inline constexpr std::string_view kLogoName = "Logo";
inline constexpr std::string_view kEmailLinkName = "LEmail";
inline constexpr std::string_view kWebsiteLinkName = "LWebsite";
inline constexpr std::string_view kAboutLineName = "Line1";
inline constexpr std::string_view kAboutOkName = "cmd_Ok";

inline constexpr TwipsRect kAboutClientArea{0, 0, 6432, 4332};

// Object names of the Label1 array's elements: Label1_0, Label1_5.
std::string AboutLabelName(int index);

// Every control of the About window with its place and typeface.
std::vector<ControlDesign> AboutDesign();

}  // namespace vantrel
