#include "shell/window_display.h"

#include "commands/qt/main_menus.h"
#include "core/tape_line.h"
#include "shell/frame_pacer.h"
#include "shell/keypad.h"
#include "shell/round_options.h"
#include "shell/value_label.h"

namespace vantrel {

// During the error state the display is described as "Error", so a reader that reads it
// anew hears the state and not only the dashes.
void WindowDisplay::SetDisplayText(const std::string& text) {
    const bool error = text.starts_with(kErrorLineText);
    m_labels.C_Display->setAccessibleDescription(error ? QStringLiteral("Error") : QString());
    m_labels.C_Display->setText(QString::fromStdString(text));
    m_labels.C_Display->TellValueChanged();
    TellTextChanged();
}

void WindowDisplay::SetDisplayInk(Ink ink) {
    QPalette palette = m_labels.C_Display->palette();
    palette.setColor(QPalette::WindowText, ink == Ink::Red ? QColor(255, 0, 0) : QColor(0, 0, 0));
    m_labels.C_Display->setPalette(palette);
}

void WindowDisplay::RepaintDisplayNow() {
    m_pacer.PaintNow(*m_labels.C_Display);
}

void WindowDisplay::SetMemoryLabel(const std::string& text) {
    m_labels.LMem->setText(QString::fromStdString(text));
    m_labels.LMem->TellValueChanged();
    TellTextChanged();
}

void WindowDisplay::SetCounterLabel(const std::string& text) {
    m_labels.LCounter->setText(QString::fromStdString(text));
    m_labels.LCounter->TellValueChanged();
    TellTextChanged();
}

void WindowDisplay::TellTextChanged() const {
    if (m_textListener) {
        m_textListener();
    }
}

void WindowDisplay::ShowUndoAvailable(bool available) {
    m_keypad.ShowUndoAvailable(available);
    m_menus.SetUndoEnabled(available);
}

void WindowDisplay::ShowRoundOption(int mode) {
    m_options.Select(mode);
}

QString WindowDisplay::MemoryText() const {
    return m_labels.LMem->text();
}

QString WindowDisplay::CounterText() const {
    return m_labels.LCounter->text();
}

}  // namespace vantrel
