#include "shell/layout/scaled_layout.h"

#include <algorithm>
#include <utility>

namespace vantrel {

namespace {

const FontDesign kFineScreenLabelFont{"Arial", 6, false};

bool TakesFineScreenFont(std::string_view name) {
    return name == kMemoryLabelName || name == kCounterLabelName;
}

}  // namespace

ScaledLayout::ScaledLayout(std::vector<ControlDesign> controls) : m_controls(std::move(controls)) {}

void ScaledLayout::Scale(int twipsPerPixelX, int twipsPerPixelY) {
    m_tppX = twipsPerPixelX;
    m_tppY = twipsPerPixelY;
    for (ControlDesign& control : m_controls) {
        if (control.font) {
            control.font->points = ScaleFromDesign(control.font->points, m_tppY);
        }
        control.rect = {ScaleFromDesign(control.rect.left, m_tppX),
                        ScaleFromDesign(control.rect.top, m_tppY),
                        ScaleFromDesign(control.rect.width, m_tppX),
                        ScaleFromDesign(control.rect.height, m_tppY)};
        if (m_tppY < kDesignTwipsPerPixel && TakesFineScreenFont(control.name)) {
            control.font = kFineScreenLabelFont;
        }
    }
}

const ControlDesign* ScaledLayout::Find(std::string_view name) const {
    const auto found = std::ranges::find(m_controls, name, &ControlDesign::name);
    return found == m_controls.end() ? nullptr : &*found;
}

ControlDesign* ScaledLayout::FindMutable(std::string_view name) {
    return const_cast<ControlDesign*>(std::as_const(*this).Find(name));
}

PixelRect ScaledLayout::Pixels(const ControlDesign& control) const {
    return TwipsToPixels(control.rect, m_tppX, m_tppY);
}

bool ScaledLayout::SetHeight(std::string_view name, double twips) {
    ControlDesign* control = FindMutable(name);
    if (control == nullptr || twips < 0) {
        return false;
    }
    control->rect.height = twips;
    return true;
}

}  // namespace vantrel
