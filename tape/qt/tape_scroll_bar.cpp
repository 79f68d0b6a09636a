#include "tape/qt/tape_scroll_bar.h"

#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSlider>

namespace vantrel {

TapeScrollBar::TapeScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {}

void TapeScrollBar::SetMaximumAndValue(int maximum, int value) {
    {
        const QSignalBlocker blocker(this);
        m_settingBoth = true;
        setMaximum(maximum);
        setValue(value);
        m_settingBoth = false;
    }
    UpdateIfChanged();
}

void TapeScrollBar::sliderChange(SliderChange change) {
    if (change == SliderOrientationChange) {
        QScrollBar::sliderChange(change);
    } else if (!m_settingBoth) {
        UpdateIfChanged();
    }
}

void TapeScrollBar::paintEvent(QPaintEvent* event) {
    m_painted = CurrentLook();
    QScrollBar::paintEvent(event);
}

void TapeScrollBar::UpdateIfChanged() {
    if (CurrentLook() != m_painted) {
        update();
    }
}

// The arrows' ends are part of the look: a style may draw an arrow that can go no further as
// disabled.
TapeScrollBar::Look TapeScrollBar::CurrentLook() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return {
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this),
        value() == minimum(), value() == maximum()};
}

}  // namespace vantrel
