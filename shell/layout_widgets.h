#pragma once

#include <QFont>

#include "shell/layout/design.h"
#include "shell/layout/scaled_layout.h"

class QWidget;

namespace vantrel {

// The typefaces of the design are Windows faces; on other desktops they fall back to metric
// look-alikes, and failing those to the desktop's sans serif. Once per process, before the
// first window: a face resolved without them costs a slow search of every installed font.
void InstallFontSubstitutes();

// Twips per pixel of the screen the window is on (the primary screen before it is shown),
// from its logical dots per inch.
int ScreenTwipsPerPixel(const QWidget& window);

QFont DesignFont(const FontDesign& design);

// Places every control of the layout, found by name under `client`, at its pixel rectangle
// and gives it its font; the tape's font is the tape's own affair and is left out.
void ApplyScaledLayout(QWidget& client, const ScaledLayout& layout);

}  // namespace vantrel
