#pragma once

#include <QFrame>
#include <QString>
#include <functional>

namespace vantrel {

// A framed line of plain text whose accessible value a screen reader reads: its text without
// the trailing blank, or what the owner says it is (the display's number about to appear while
// the result blink has blanked it). It draws its text as a plain label does; a QLabel that
// takes the focus, as these do for a reader, lays every new text out as a text document, at
// several times the cost of the text these labels show after every key.
class ValueLabel : public QFrame {
    Q_OBJECT

  public:
    explicit ValueLabel(QWidget* parent);

    const QString& text() const { return m_text; }
    void setText(const QString& text);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);

    void SetValueSource(std::function<QString()> source);
    QString Value() const;

    // Called after each new text. A listening reader hears of the new value once the event loop
    // runs, when a blink that has just begun already knows the number it will show.
    void TellValueChanged();

  signals:
    // The label has a new text; its value may be the one a blink will end on.
    void ValueChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void AnnounceValue();

    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    std::function<QString()> m_source;
    QString m_announced;
    bool m_announcePending = false;
};

// Gives every ValueLabel its accessible interface; installing it again changes nothing.
void InstallValueLabelAccessibility();

}  // namespace vantrel
