#include "shell/window_prompts.h"

#include <QMessageBox>

#include "shell/main_mod.h"

namespace vantrel {

bool AskExit(QWidget& window) {
    QMessageBox box(QMessageBox::Question, window.windowTitle(),
                    QStringLiteral("Exit Vantrel Calculator"),
                    QMessageBox::Ok | QMessageBox::Cancel, &window);
    box.setObjectName(QStringLiteral("ExitPrompt"));
    return box.exec() == QMessageBox::Ok;
}

void ShowAboutBox(QWidget& window) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("About Vantrel"),
                    QStringLiteral("Vantrel Calculator\nVersion 1.33"), QMessageBox::Ok, &window);
    box.setObjectName(QStringLiteral("FrmAbout"));
    SetTopMost(box, true);
    box.exec();
}

}  // namespace vantrel
