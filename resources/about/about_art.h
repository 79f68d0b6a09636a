#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

namespace vantrel {

// The product logo; its natural size is 171 by 79 pixels.
QString LogoPath();

// The hand-shaped pointer over the logo and the links: 32 by 32 pixels, pointing with its
// fingertip at the hot spot.
QString HandCursorPath();
inline constexpr QSize kHandCursorSize{32, 32};
inline constexpr QPoint kHandCursorHotSpot{12, 5};

}  // namespace vantrel
