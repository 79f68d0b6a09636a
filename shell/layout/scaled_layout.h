#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "shell/layout/design.h"
#include "shell/layout/twips.h"

namespace vantrel {

// The twips measures and fonts of the window's controls, rescaled once to the screen so that
// every control keeps its designed size in pixels and every font its designed pixel height.
class ScaledLayout {
  public:
    explicit ScaledLayout(std::vector<ControlDesign> controls);

    // Every measure times tpp / 15 (x measures by tppX, y measures and font sizes by tppY);
    // on screens finer than the design the memory and counter labels change to Arial 6 pt.
    void Scale(int twipsPerPixelX, int twipsPerPixelY);

    int TwipsPerPixelX() const { return m_tppX; }
    int TwipsPerPixelY() const { return m_tppY; }

    std::span<const ControlDesign> Controls() const { return m_controls; }
    // nullptr for a name that is not a control of the window.
    const ControlDesign* Find(std::string_view name) const;
    PixelRect Pixels(const ControlDesign& control) const;

    // A refused height (negative) leaves the control as it was; returns whether it was taken.
    bool SetHeight(std::string_view name, double twips);

  private:
    ControlDesign* FindMutable(std::string_view name);

    std::vector<ControlDesign> m_controls;
    int m_tppX = kDesignTwipsPerPixel;
    int m_tppY = kDesignTwipsPerPixel;
};

}  // namespace vantrel
