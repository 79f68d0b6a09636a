#include "shell/display_labels.h"

#include <QLabel>

#include "shell/layout/design.h"

namespace vantrel {

namespace {

QLabel* CreateLabel(QWidget& parent, std::string_view name, const QString& toolTip) {
    auto* label = new QLabel(&parent);
    label->setObjectName(QString::fromUtf8(name.data(), name.size()));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setToolTip(toolTip);
    return label;
}

}  // namespace

DisplayLabels CreateDisplayLabels(QWidget& parent) {
    DisplayLabels labels{CreateLabel(parent, kDisplayName, {}),
                         CreateLabel(parent, kMemoryLabelName, QStringLiteral("Memory")),
                         CreateLabel(parent, kCounterLabelName, QStringLiteral("Counter"))};
    QPalette palette = labels.C_Display->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    labels.C_Display->setPalette(palette);
    labels.C_Display->setAutoFillBackground(true);
    labels.C_Display->setAccessibleName(QStringLiteral("Display"));
    labels.LMem->setAccessibleName(QStringLiteral("Memory"));
    labels.LCounter->setAccessibleName(QStringLiteral("Counter"));
    return labels;
}

}  // namespace vantrel
