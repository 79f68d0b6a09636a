#include "resources/keys/key_faces.h"

namespace vantrel {

QString KeyFacePath(int index) {
    return QStringLiteral(":/keys/key%1.svg").arg(index, 2, 10, QLatin1Char('0'));
}

QString UndoFacePath(bool enabled) {
    return enabled ? QStringLiteral(":/keys/undo_enabled.svg")
                   : QStringLiteral(":/keys/undo_disabled.svg");
}

QString WindowIconPath() {
    return QStringLiteral(":/keys/icon.svg");
}

}  // namespace vantrel
