#include "shell/keypad.h"

#include <QWidget>

#include "commands/qt/keypad_button.h"
#include "resources/keys/key_faces.h"
#include "shell/layout/design.h"

namespace vantrel {

namespace {

constexpr char kPictureProperty[] = "Picture";

QWidget* CreateHiddenPicture(QWidget& parent, int index, const QString& face) {
    auto* picture = new QWidget(&parent);
    picture->setObjectName(QStringLiteral("Picture1_%1").arg(index));
    picture->setProperty(kPictureProperty, face);
    picture->hide();
    return picture;
}

}  // namespace

Keypad::Keypad(QWidget& parent, std::function<void(std::int16_t)> theButton_Click) {
    m_Picture1[0] = CreateHiddenPicture(parent, 0, UndoFacePath(false));
    m_Picture1[1] = CreateHiddenPicture(parent, 1, UndoFacePath(true));
    for (const KeyDesign& key : KeypadDesign()) {
        auto* button = new KeypadButton(key.index, &parent);
        button->setObjectName(QString::fromStdString(KeyName(key.index)));
        button->SetFace(KeyFacePath(key.index));
        button->setToolTip(QString::fromUtf8(key.toolTip.data(), key.toolTip.size()));
        button->setAccessibleName(
            QString::fromUtf8(key.accessibleName.data(), key.accessibleName.size()));
        QObject::connect(button, &KeypadButton::clicked,
                         [click = theButton_Click, index = key.index] { click(index); });
        m_theButton[key.index] = button;
    }
    ShowUndoAvailable(false);
}

void Keypad::ShowButtonPressed(int index, bool pressed) const {
    if (index >= 0 && index < kKeyCount) {
        m_theButton[index]->SetPressedLook(pressed);
    }
}

void Keypad::ShowUndoAvailable(bool available) const {
    KeypadButton& undo = Button(kUndoKey);
    undo.SetFace(m_Picture1[available ? 1 : 0]->property(kPictureProperty).toString());
    undo.setEnabled(available);
}

bool Keypad::UndoEnabled() const {
    return Button(kUndoKey).isEnabled();
}

}  // namespace vantrel
