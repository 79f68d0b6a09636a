#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tape/tape_print_layout.h"

namespace vantrel::testing {

// A surface that keeps what was drawn on it, with a fixed-pitch font of the given cell, so that
// every position can be checked in exact twips.
class RecordingSurface : public TapePrintSurface {
  public:
    struct Text {
        double x, y;
        std::string text;
        TapeInk ink;
        int page;
    };
    struct Mark {
        int index;
        double x, y, height;
        int page;
    };

    RecordingSurface(double charWidth, double lineHeight, double pageWidth = 0,
                     double pageHeight = 0)
        : m_charWidth(charWidth),
          m_lineHeight(lineHeight),
          m_pageWidth(pageWidth),
          m_pageHeight(pageHeight) {}

    double textWidth(std::string_view text) const override {
        return CharacterCount(text) * m_charWidth;
    }
    double textHeight(std::string_view) const override { return m_lineHeight; }
    void drawText(double x, double y, std::string_view text, TapeInk ink) override {
        texts.push_back({x, y, std::string(text), ink, pages});
    }
    void drawMark(int index, double x, double y, double height) override {
        marks.push_back({index, x, y, height, pages});
    }
    double printableWidth() const override { return m_pageWidth; }
    double printableHeight() const override { return m_pageHeight; }
    bool newPage() override {
        ++pages;
        return pages < failOnPage;
    }

    // The texts drawn that are not total rules.
    std::vector<Text> Amounts() const {
        std::vector<Text> found;
        for (const Text& text : texts) {
            if (text.text.find("\u2014") == std::string::npos) {
                found.push_back(text);
            }
        }
        return found;
    }
    const Text* Find(std::string_view text) const {
        for (const Text& drawn : texts) {
            if (drawn.text == text) {
                return &drawn;
            }
        }
        return nullptr;
    }

    std::vector<Text> texts;
    std::vector<Mark> marks;
    int pages = 0;  // new pages started
    int failOnPage = 1 << 30;

  private:
    // Counts code points, so an em dash takes one cell as in a fixed-pitch font.
    static double CharacterCount(std::string_view text) {
        double count = 0;
        for (const char byte : text) {
            if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) {
                ++count;
            }
        }
        return count;
    }

    double m_charWidth;
    double m_lineHeight;
    double m_pageWidth;
    double m_pageHeight;
};

}  // namespace vantrel::testing
