#include "tape/qt/tape_printer.h"

#include <QBuffer>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "core/twips.h"
#include "tape/qt/qt_tape_canvas.h"
#include "tape/tape_print_layout.h"

namespace vantrel {
namespace {

constexpr double kPrintFontSize = 10;
constexpr int kPrintDotsPerInch = 1200;
// Marks keep the size they have on a screen of 96 dots per inch.
constexpr double kMarkPixelsPerInch = 96;

class PdfSurface : public TapePrintSurface {
  public:
    PdfSurface(QPainter& painter, QPdfWriter& writer, const QFont& font, const TapeMarks& marks)
        : m_writer(writer),
          m_devicePerTwip(writer.resolution() / kTwipsPerInch),
          m_canvas(painter, font, marks,
                   {m_devicePerTwip, writer.resolution() / kMarkPixelsPerInch, Qt::black}) {}

    double textWidth(std::string_view text) const override { return m_canvas.textWidth(text); }
    double textHeight(std::string_view text) const override { return m_canvas.textHeight(text); }
    void drawText(double x, double y, std::string_view text, TapeInk ink) override {
        m_canvas.drawText(x, y, text, ink);
    }
    void drawMark(int index, double x, double y, double height) override {
        m_canvas.drawMark(index, x, y, height);
    }
    double printableWidth() const override { return m_writer.width() / m_devicePerTwip; }
    double printableHeight() const override { return m_writer.height() / m_devicePerTwip; }
    bool newPage() override { return m_writer.newPage(); }

  private:
    QPdfWriter& m_writer;
    double m_devicePerTwip;
    QtTapeCanvas m_canvas;
};

bool PaintTape(QPdfWriter& writer, const TapeLineStore& store, const QFont& font,
               const TapeMarks& marks) {
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    PdfSurface surface(painter, writer, font, marks);
    try {
        return PrintTapeLines(surface, store) && painter.end();
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

QByteArray TapePdf(const TapeLineStore& store, const TapePaper& paper, const TapeMarks& marks) {
    QFont font(paper.fontFamily);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(kPrintFontSize);
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPrintDotsPerInch);
        writer.setPageSize(QPageSize(paper.pageMillimetres, QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(paper.title);
        if (!PaintTape(writer, store, font, marks)) {
            return {};
        }
    }
    return pdf;
}

}  // namespace vantrel
