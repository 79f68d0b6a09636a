#pragma once

#include <QRect>
#include <QScrollBar>

namespace vantrel {

// The tape's scroll bar. Each new line moves its range and value, yet on a long tape the
// slider keeps its length and stays at the end, so it repaints only when it would look
// different from its last painting.
class TapeScrollBar : public QScrollBar {
  public:
    explicit TapeScrollBar(QWidget* parent);

    // Sets the range's end and the value as one change, without the change signals: the
    // range alone would move the slider off the end for a moment and repaint it.
    void SetMaximumAndValue(int maximum, int value);

  protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Look {
        QRect slider;
        bool atStart = false;
        bool atEnd = false;
        bool operator==(const Look&) const = default;
    };
    Look CurrentLook() const;
    void UpdateIfChanged();

    Look m_painted;
    bool m_settingBoth = false;
};

}  // namespace vantrel
