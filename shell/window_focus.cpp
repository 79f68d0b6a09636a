#include "shell/window_focus.h"

#include <QWidget>

#include "shell/arrow_focus.h"
#include "shell/focus_grid.h"

namespace vantrel {
namespace {

std::vector<QWidget*> InReadingOrder(const std::vector<QWidget*>& controls) {
    std::vector<QRect> places;
    for (const QWidget* control : controls) {
        places.push_back(control->geometry());
    }
    std::vector<QWidget*> ordered;
    for (const std::size_t k : ReadingOrder(places)) {
        ordered.push_back(controls[k]);
    }
    return ordered;
}

void Append(std::vector<QWidget*>& chain, const std::vector<QWidget*>& controls) {
    chain.insert(chain.end(), controls.begin(), controls.end());
}

}  // namespace

void SetUpWindowFocus(const FocusControls& controls, ArrowFocus& arrows) {
    const std::vector<QWidget*> keys = InReadingOrder(controls.keys);
    const std::vector<QWidget*> options = InReadingOrder(controls.options);
    std::vector<QWidget*> chain;
    Append(chain, controls.labels);
    Append(chain, keys);
    Append(chain, options);
    chain.push_back(controls.tape);
    for (std::size_t k = 1; k < chain.size(); ++k) {
        QWidget::setTabOrder(chain[k - 1], chain[k]);
    }
    arrows.AddGrid(keys);
    arrows.AddRow(options);
}

}  // namespace vantrel
