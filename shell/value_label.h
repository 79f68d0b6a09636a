#pragma once

#include <QLabel>
#include <QString>
#include <functional>

namespace vantrel {

// A label whose accessible value a screen reader reads: its text without the trailing blank,
// or what the owner says it is (the display's number about to appear while the result blink
// has blanked it).
class ValueLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ValueLabel(QWidget* parent);

    void SetValueSource(std::function<QString()> source);
    QString Value() const;

    // Called after each new text. A listening reader hears of the new value once the event loop
    // runs, when a blink that has just begun already knows the number it will show.
    void TellValueChanged();

  signals:
    // The label has a new text; its value may be the one a blink will end on.
    void ValueChanged();

  protected:
    // A label that takes the focus lays out and paints its text as a text document, at several
    // times the cost of the plain text these labels show after every key.
    void paintEvent(QPaintEvent* event) override;

  private:
    void AnnounceValue();

    std::function<QString()> m_source;
    QString m_announced;
    bool m_announcePending = false;
};

// Gives every ValueLabel its accessible interface; installing it again changes nothing.
void InstallValueLabelAccessibility();

}  // namespace vantrel
