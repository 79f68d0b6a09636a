#include "shell/display_labels.h"

#include "shell/layout/design.h"
#include "shell/value_label.h"
#include "tape/qt/to_qstring.h"

namespace vantrel {

namespace {

ValueLabel* CreateLabel(QWidget& parent, std::string_view name, const QString& toolTip,
                        const QString& accessibleName) {
    auto* label = new ValueLabel(&parent);
    label->setObjectName(ToQString(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setToolTip(toolTip);
    label->setAccessibleName(accessibleName);
    label->setFocusPolicy(Qt::TabFocus);
    return label;
}

}  // namespace

DisplayLabels CreateDisplayLabels(QWidget& parent) {
    DisplayLabels labels{
        CreateLabel(parent, kDisplayName, {}, QStringLiteral("Display")),
        CreateLabel(parent, kMemoryLabelName, QStringLiteral("Memory"), QStringLiteral("Memory")),
        CreateLabel(parent, kCounterLabelName, QStringLiteral("Counter"),
                    QStringLiteral("Item count"))};
    QPalette palette = labels.C_Display->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    labels.C_Display->setPalette(palette);
    labels.C_Display->setAutoFillBackground(true);
    return labels;
}

}  // namespace vantrel
