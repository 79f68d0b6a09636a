#include "shell/round_options.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

#include "shell/layout/design.h"

namespace vantrel {

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), text.size());
}

QFrame* CreatePanel(QWidget& parent) {
    auto* panel = new QFrame(&parent);
    panel->setObjectName(FromView(kRoundPanelName));
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setToolTip(FromView(kRoundPanelToolTip));
    return panel;
}

void CreateLabel(QWidget& panel, const RoundOptDesign& design) {
    auto* label = new QLabel(FromView(design.label), &panel);
    label->setObjectName(QString::fromStdString(RoundLabelName(design.index)));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
}

}  // namespace

RoundOptPanel::RoundOptPanel(QWidget& parent, std::function<void(int)> RoundOpt_Click) {
    QFrame* panel = CreatePanel(parent);
    for (const RoundOptDesign& design : RoundOptDesigns()) {
        CreateLabel(*panel, design);
        auto* option = new QRadioButton(panel);
        option->setObjectName(QString::fromStdString(RoundOptName(design.index)));
        option->setToolTip(FromView(design.toolTip));
        option->setAccessibleName(FromView(design.toolTip));
        option->setFocusPolicy(Qt::NoFocus);
        QObject::connect(option, &QRadioButton::clicked,
                         [click = RoundOpt_Click, index = design.index] { click(index); });
        m_RoundOpt[design.index] = option;
    }
}

void RoundOptPanel::Select(int index) const {
    if (index >= 0 && index < kRoundModeCount) {
        m_RoundOpt[index]->setChecked(true);
    }
}

int RoundOptPanel::Selected() const {
    for (int index = 0; index < kRoundModeCount; ++index) {
        if (m_RoundOpt[index]->isChecked()) {
            return index;
        }
    }
    return -1;
}

}  // namespace vantrel
