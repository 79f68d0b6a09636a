#pragma once

#include <string_view>

// What the drawing pass needs of a surface: the screen image, an exported bitmap and a
// printer page each provide it. All positions and measures are in twips.
namespace vantrel {

enum class TapeInk {
    Normal,  // amounts in normal ink, total rules and item counts
    Red,     // amounts whose ink flag is false
};

class TapeCanvas {
  public:
    virtual ~TapeCanvas() = default;
    virtual double textWidth(std::string_view text) const = 0;
    virtual double textHeight(std::string_view text) const = 0;
    // Puts the text's top-left corner at (x, y).
    virtual void drawText(double x, double y, std::string_view text, TapeInk ink) = 0;
    // Draws mark image `index` (a line code 0 to 10) at its own width, scaled to `height`.
    virtual void drawMark(int index, double x, double y, double height) = 0;
};

}  // namespace vantrel
