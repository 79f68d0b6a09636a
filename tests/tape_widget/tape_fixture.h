#pragma once

#include <QImage>
#include <QRect>
#include <functional>
#include <memory>

#include "tape/qt/calc_tape.h"

namespace vantrel::testing {

// The tape as the main window places it: 3975 by 4065 twips at 15 twips per pixel.
inline std::unique_ptr<CalcTape> ShownTape(int width = 265, int height = 271) {
    auto tape = std::make_unique<CalcTape>();
    tape->resize(width, height);
    tape->show();
    return tape;
}

inline bool IsInk(QRgb pixel) {
    return qRed(pixel) < 200 || qGreen(pixel) < 200;
}
inline bool IsRed(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 120 && qBlue(pixel) < 120;
}
inline bool IsMarkBlue(QRgb pixel) {
    return qBlue(pixel) > 200 && qRed(pixel) < 120 && qGreen(pixel) < 120;
}
inline bool IsNormalInk(QRgb pixel) {
    return qBlue(pixel) > qRed(pixel) + 30 && qBlue(pixel) < 200 && qRed(pixel) < 150;
}

inline int CountPixels(const QImage& image, const QRect& area,
                       const std::function<bool(QRgb)>& matches) {
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            count += matches(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

inline bool IsBlank(const QImage& image) {
    return CountPixels(image, image.rect(),
                       [](QRgb pixel) { return pixel != qRgb(255, 255, 255); }) == 0;
}

}  // namespace vantrel::testing
