#include "shell/round_options.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <utility>

#include "shell/layout/design.h"
#include "shell/option_panel.h"
#include "tape/qt/to_qstring.h"

namespace vantrel {

namespace {

QFrame* CreatePanel(QWidget& parent) {
    auto* panel = new OptionPanel(&parent);
    panel->setObjectName(ToQString(kRoundPanelName));
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setToolTip(ToQString(kRoundPanelToolTip));
    panel->setAccessibleName(QStringLiteral("Round or Input Option"));
    return panel;
}

// The caption above an option is its label: a screen reader hears the option's name from it,
// not a bare "F", and knows which button it captions.
QLabel* CreateLabel(QWidget& panel, const RoundOptDesign& design) {
    auto* label = new OptionCaption(ToQString(design.label), &panel);
    label->setObjectName(QString::fromStdString(RoundLabelName(design.index)));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label->setAccessibleName(ToQString(design.accessibleName));
    return label;
}

}  // namespace

RoundOptPanel::RoundOptPanel(QWidget& parent, std::function<void(int)> RoundOpt_Click)
    : m_RoundOpt_Click(std::move(RoundOpt_Click)) {
    QFrame* panel = CreatePanel(parent);
    for (const RoundOptDesign& design : RoundOptDesigns()) {
        QLabel* label = CreateLabel(*panel, design);
        auto* option = new QRadioButton(panel);
        label->setBuddy(option);
        option->setObjectName(QString::fromStdString(RoundOptName(design.index)));
        option->setToolTip(ToQString(design.toolTip));
        option->setAccessibleName(ToQString(design.accessibleName));
        option->setFocusPolicy(Qt::TabFocus);
        Connect(*option, design.index);
        m_RoundOpt[design.index] = option;
    }
}

// A mouse click runs RoundOpt_Click once, whether or not it changes the selection. A screen
// reader's toggle selects the option without a click, and must have the click's effect too,
// or the option would show a mode the calculator does not use. Select, the calculator's own
// way, changes the selection without either.
void RoundOptPanel::Connect(QRadioButton& option, int index) {
    QObject::connect(&option, &QRadioButton::pressed, [this] { m_toggledIndex = -1; });
    QObject::connect(&option, &QRadioButton::toggled, [this, index](bool checked) {
        if (checked) {
            m_toggledIndex = index;
            m_RoundOpt_Click(index);
        }
    });
    QObject::connect(&option, &QRadioButton::clicked, [this, index] {
        if (std::exchange(m_toggledIndex, -1) != index) {
            m_RoundOpt_Click(index);
        }
    });
}

void RoundOptPanel::Select(int index) const {
    if (index >= 0 && index < kRoundModeCount) {
        const QSignalBlocker quiet(m_RoundOpt[index]);
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
