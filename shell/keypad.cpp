#include "shell/keypad.h"

#include <QWidget>

#include "commands/qt/keypad_button.h"
#include "core/command_table.h"
#include "resources/keys/key_faces.h"
#include "shell/layout/design.h"
#include "tape/qt/to_qstring.h"

namespace vantrel {

Keypad::Keypad(QWidget& parent, std::function<void(CommandIndex)> theButton_Click) {
    for (const KeyDesign& key : KeypadDesign()) {
        const Command& command = CommandOf(key.index);
        auto* button = new KeypadButton(&parent);
        button->setObjectName(QString::fromStdString(KeyName(ValueOf(key.index))));
        button->SetFace(KeyFacePath(ValueOf(key.index)));
        button->setToolTip(ToQString(command.toolTip));
        button->setAccessibleName(ToQString(command.accessibleName));
        QObject::connect(button, &KeypadButton::clicked,
                         [click = theButton_Click, index = key.index] { click(index); });
        m_theButton[static_cast<std::size_t>(ValueOf(key.index))] = button;
    }
    ShowUndoAvailable(false);
}

KeypadButton& Keypad::Button(CommandIndex index) const {
    return *m_theButton.at(static_cast<std::size_t>(ValueOf(index)));
}

std::vector<QWidget*> Keypad::Keys() const {
    std::vector<QWidget*> keys;
    for (KeypadButton* key : m_theButton) {
        if (key != nullptr) {
            keys.push_back(key);
        }
    }
    return keys;
}

void Keypad::ShowButtonPressed(CommandIndex index, bool pressed) const {
    if (IsCommandIndex(index)) {
        Button(index).SetPressedLook(pressed);
    }
}

void Keypad::ShowUndoAvailable(bool available) const {
    KeypadButton& undo = Button(CommandIndex::Undo);
    undo.SetFace(UndoFacePath(available));
    undo.setEnabled(available);
}

}  // namespace vantrel
