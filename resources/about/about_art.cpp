#include "resources/about/about_art.h"

namespace vantrel {

QString LogoPath() {
    return QStringLiteral(":/about/logo.svg");
}

QString HandCursorPath() {
    return QStringLiteral(":/about/hand_cursor.svg");
}

}  // namespace vantrel
