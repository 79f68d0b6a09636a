#include "shell/layout/about_design.h"

namespace vantrel {

namespace {

const FontDesign kProductFont{"Times New Roman", 11, true};
const FontDesign kLinkFont{"Arial", 9, false, true};
const FontDesign kMakerFont{"Arial", 8, false};
const FontDesign kButtonFont{"MS Sans Serif", 8, false};

// A line one pixel thick at the design scale, and so at every scale.
constexpr double kLineThickness = kDesignTwipsPerPixel;

}  // namespace

std::string AboutLabelName(int index) {
    return "Label1_" + std::to_string(index);
}

std::vector<ControlDesign> AboutDesign() {
    return {
        {std::string(kLogoName), {240, 240, 2655, 1215}, {}},
        {AboutLabelName(0), {3480, 240, 2505, 255}, kProductFont},
        {AboutLabelName(1), {3480, 600, 2505, 255}, kProductFont},
        {AboutLabelName(2), {3480, 1080, 2505, 255}, kProductFont},
        {std::string(kEmailLinkName), {240, 1800, 5925, 375}, kLinkFont},
        {std::string(kWebsiteLinkName), {240, 2075, 5925, 375}, kLinkFont},
        {AboutLabelName(5), {240, 2640, 6045, 375}, kMakerFont},
        {AboutLabelName(6), {240, 2880, 6045, 375}, kMakerFont},
        {AboutLabelName(7), {240, 3120, 6045, 375}, kMakerFont},
        {std::string(kAboutLineName), {120, 3600, 6360 - 120, kLineThickness}, {}},
        {std::string(kAboutOkName), {1680, 3720, 3015, 495}, kButtonFont},
    };
}

}  // namespace vantrel
