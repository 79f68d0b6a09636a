#pragma once

#include <QFrame>
#include <QLabel>

namespace vantrel {

// The framed panel around the options: for a screen reader a group of controls, not a window
// of its own as a plain frame would say.
class OptionPanel : public QFrame {
    Q_OBJECT

  public:
    explicit OptionPanel(QWidget* parent);
};

// The caption above an option. It gives the option its name; a screen reader reads the option
// and passes over the caption, so that each option is read once.
class OptionCaption : public QLabel {
    Q_OBJECT

  public:
    OptionCaption(const QString& text, QWidget* parent);
};

}  // namespace vantrel
