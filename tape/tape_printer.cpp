#include "tape/tape_printer.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

#include "core/twips.h"
#include "tape/qt_tape_canvas.h"
#include "tape/tape_print_layout.h"

namespace vantrel {
namespace {

constexpr double kPrintFontSize = 10;
// Marks keep the size they have on a screen of 96 dots per inch.
constexpr double kMarkPixelsPerInch = 96;

class PrinterSurface : public TapePrintSurface {
  public:
    PrinterSurface(QPainter& painter, QPrinter& printer, const QFont& font, const TapeMarks& marks)
        : m_printer(printer),
          m_devicePerTwip(printer.resolution() / kTwipsPerInch),
          m_canvas(painter, font, marks,
                   {m_devicePerTwip, printer.resolution() / kMarkPixelsPerInch, Qt::black}) {}

    double textWidth(std::string_view text) const override { return m_canvas.textWidth(text); }
    double textHeight(std::string_view text) const override { return m_canvas.textHeight(text); }
    void drawText(double x, double y, std::string_view text, TapeInk ink) override {
        m_canvas.drawText(x, y, text, ink);
    }
    void drawMark(int index, double x, double y, double height) override {
        m_canvas.drawMark(index, x, y, height);
    }
    double printableWidth() const override { return m_printer.width() / m_devicePerTwip; }
    double printableHeight() const override { return m_printer.height() / m_devicePerTwip; }
    bool newPage() override { return m_printer.newPage(); }

  private:
    QPrinter& m_printer;
    double m_devicePerTwip;
    QtTapeCanvas m_canvas;
};

}  // namespace

bool PrintTape(QPrinter& printer, const TapeLineStore& store, const QString& fontFamily,
               const TapeMarks& marks) {
    QFont font(fontFamily);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(kPrintFontSize);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    PrinterSurface surface(painter, printer, font, marks);
    bool printed = false;
    try {
        printed = PrintTapeLines(surface, store);
    } catch (...) {
        // Half a tape must not reach the paper when the user is told it was not printed.
        printer.abort();
        throw;
    }
    if (!printed) {
        printer.abort();
        return false;
    }
    return painter.end();
}

}  // namespace vantrel
