#pragma once

#include <array>
#include <functional>

#include "core/vocabulary.h"

class QRadioButton;
class QWidget;

namespace vantrel {

// The rounding/input selector: a framed panel with the seven option buttons RoundOpt(0..6)
// and the caption label above each.
class RoundOptPanel {
  public:
    RoundOptPanel(QWidget& parent, std::function<void(int)> RoundOpt_Click);
    RoundOptPanel(const RoundOptPanel&) = delete;
    RoundOptPanel& operator=(const RoundOptPanel&) = delete;

    // Shows `index` selected without running its click; an unknown index is ignored.
    void Select(int index) const;
    // The selected option, -1 while none is.
    int Selected() const;
    QRadioButton& Option(int index) const { return *m_RoundOpt.at(index); }

  private:
    void Connect(QRadioButton& option, int index);

    std::function<void(int)> m_RoundOpt_Click;
    std::array<QRadioButton*, kRoundModeCount> m_RoundOpt{};
    // The option whose toggle has already run the click that follows it, or -1.
    int m_toggledIndex = -1;
};

}  // namespace vantrel
