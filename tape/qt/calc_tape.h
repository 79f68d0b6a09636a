#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "core/ports.h"
#include "core/twips.h"
#include "core/vocabulary.h"
#include "tape/qt/qt_tape_canvas.h"
#include "tape/qt/tape_marks.h"
#include "tape/qt/tape_scroll_bar.h"
#include "tape/tape_geometry.h"
#include "tape/tape_line_store.h"
#include "tape/tape_row_index.h"

namespace vantrel {

class TapeAccessible;

// The paper tape: it stores the lines the calculator writes, draws them onto a persistent
// image in twips, scrolls, pages, prints and renders itself into a bitmap. Failures of the
// tape's own operations are thrown to the caller.
class CalcTape : public QWidget, public TapePort {
    Q_OBJECT

  public:
    explicit CalcTape(QWidget* parent = nullptr);

    void AddDataLine(std::string_view NumStr, TapeOp Op, bool CLR) override;
    std::int32_t CurrentLine() const override;
    void SetCurrentLine(std::int32_t count) override;
    void Redraw() override;
    void ClearAll() override;
    void PrintContent() override;

    // Between these the tape only stores its lines, drawing and announcing none, so that
    // thousands of lines put back at once are drawn once, at the end, without a word to a
    // screen reader.
    void BeginRestore();
    void EndRestore();

    void Redraw(bool LastCalc);
    void MyCLS();
    void UpdateScroll();
    void PageUpDown(PageDirection direction);
    float FontSize() const;
    void SetFontSize(float vNewValue);
    // 1 the whole tape, 2 the lines in view, 3 the last calculation; a null image for any
    // other mode or for a tape too tall for one image.
    QImage GetTapeImage(TapeImageMode Mode);
    // The screen's scale; twips are converted to pixels with it.
    void SetTwipsPerPixel(int twipsPerPixel);
    // The installed printer PrintContent prints on, by device name. Empty, or a printer that
    // is no longer installed, prints nothing anywhere and says so.
    void SetPrinterName(const QString& name);
    // Replaces the information box that PrintContent shows for an empty tape or a failed job,
    // for a caller that must not block; it gets the box's text. A job is made and sent on a
    // worker, so a failure of the printer or its server is told a while after PrintContent.
    void SetPrintNotice(std::function<void(const QString&)> notice);
    // A printout is being made or sent; another Print is refused meanwhile.
    bool Printing() const;
    const TapeLineStore& Store() const;
    // Where line k stands in the view, in the widget's pixels; empty when it is out of sight.
    QRect LineArea(std::int32_t k) const;
    // The line under the keyboard focus, 1 to CurrentLine(); 0 while the tape has no focus or
    // no line.
    std::int32_t FocusedLine() const;

    // View state; positions and sizes in twips.
    std::int32_t LineHeight() const { return m_metrics.LineHeight; }
    std::int32_t CharWidth() const { return m_metrics.CharWidth; }
    std::int64_t NextY() const { return m_cursor.NextY; }
    std::int64_t TopOffset() const { return m_topOffset; }
    bool ImageBusy() const { return m_imageBusy; }
    int TwipsPerPixel() const { return m_twipsPerPixel; }
    QScrollBar* VScroll1() const { return m_vScroll; }
    const QImage& Surface() const { return m_surface; }

    // The largest bitmap GetTapeImage makes; a taller tape gives a null image.
    static constexpr double kMaxImageBytes = 128.0 * 1024 * 1024;

  signals:
    void ShowPopupMenu();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void DrawLine(const TapeLine& line);
    void FocusLine(std::int32_t k);
    void DrawFocusedLine(QPainter& painter) const;
    void VScroll1_Change();
    void UserControl_Resize();
    void MeasureMetrics();
    void PlaceScrollBar();
    void SyncSurfaceSize();
    void DrawLines(const TapeRowIndex& rows, std::int32_t first, const QRectF& band);
    bool ScrollSurfaceUp(std::int64_t twips);
    void UpdateView(const QRect& area);
    // How far a line's ink may reach from the y at which it starts, in twips.
    std::int64_t InkReach() const;
    const TapeRowIndex& FullTapeRows();
    double SurfaceWidth() const;
    double SurfaceHeight() const;
    int ToPixels(double twips) const;
    CanvasScale ScreenScale() const;
    void ResizeSurfaceHeight(int pixels);
    int TallSurfaceHeight() const;
    bool FitsOneImage(int pixelHeight) const;
    // The tape's accessible interface while a screen reader listens, else null.
    TapeAccessible* ListeningReader();

    class ViewRestorer;

    TapeLineStore m_store;
    TapeRowIndex m_rows;
    TapeMarks m_marks;
    QFont m_font;
    QImage m_surface;
    TapeScrollBar* m_vScroll = nullptr;
    TapeMetrics m_metrics;
    TapeCursor m_cursor;
    std::int64_t m_topOffset = 0;
    bool m_imageBusy = false;
    bool m_restoring = false;
    int m_twipsPerPixel = kDesignTwipsPerPixel;
    std::int32_t m_scrollBarTwips;
    QString m_printerName;
    bool m_printing = false;
    std::function<void(const QString&)> m_printNotice;
    std::int32_t m_focusedLine = 0;
};

}  // namespace vantrel
