#include "shell/window_prompts.h"

#include <QMessageBox>

namespace vantrel {

bool AskExit(QWidget& window) {
    QMessageBox box(QMessageBox::Question, window.windowTitle(),
                    QStringLiteral("Exit Vantrel Calculator"),
                    QMessageBox::Ok | QMessageBox::Cancel, &window);
    box.setObjectName(QStringLiteral("ExitPrompt"));
    return box.exec() == QMessageBox::Ok;
}

}  // namespace vantrel
