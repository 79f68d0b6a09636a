#include "tape/qt/calc_tape.h"

namespace vantrel {

// Puts the height, the scroll offset and the drawing back however the export ends. A hidden
// control gets its size changes delivered when it is shown again; the round trip to the same
// size must not reach the resize handling then, which would scroll the view to the end.
class CalcTape::ViewRestorer {
  public:
    explicit ViewRestorer(CalcTape& tape)
        : m_tape(tape),
          m_height(tape.height()),
          m_topOffset(tape.m_topOffset),
          m_resizePending(tape.testAttribute(Qt::WA_PendingResizeEvent)) {
        m_tape.m_topOffset = 0;
        m_tape.m_imageBusy = true;
    }
    ViewRestorer(const ViewRestorer&) = delete;
    ViewRestorer& operator=(const ViewRestorer&) = delete;
    ~ViewRestorer() {
        try {
            m_tape.ResizeSurfaceHeight(m_height);
            m_tape.m_topOffset = m_topOffset;
            m_tape.Redraw(false);
        } catch (const std::exception&) {
            // The export's own failure is what the caller learns about.
        }
        m_tape.setAttribute(Qt::WA_PendingResizeEvent, m_resizePending);
        m_tape.m_imageBusy = false;
    }

  private:
    CalcTape& m_tape;
    int m_height;
    std::int64_t m_topOffset;
    bool m_resizePending;
};

QImage CalcTape::GetTapeImage(TapeImageMode Mode) {
    if (Mode == TapeImageMode::VisibleLines) {
        return m_surface.copy();
    }
    if (Mode != TapeImageMode::WholeTape && Mode != TapeImageMode::LastCalculation) {
        return {};
    }
    const bool lastCalc = Mode == TapeImageMode::LastCalculation;
    if (!lastCalc && !FitsOneImage(TallSurfaceHeight())) {
        return {};
    }
    const ViewRestorer restorer(*this);
    if (lastCalc) {
        Redraw(true);
        if (!FitsOneImage(TallSurfaceHeight())) {
            return {};
        }
    }
    ResizeSurfaceHeight(TallSurfaceHeight());
    Redraw(lastCalc);
    return m_surface.copy();
}

// Half a row above the first row and down to the bottom of the row after the last line.
int CalcTape::TallSurfaceHeight() const {
    return ToPixels(m_metrics.LineHeight / 2.0 + static_cast<double>(m_cursor.NextY));
}

bool CalcTape::FitsOneImage(int pixelHeight) const {
    const double ratio = devicePixelRatioF();
    const double bytes = width() * ratio * pixelHeight * ratio * 4;
    return pixelHeight <= QWIDGETSIZE_MAX && bytes <= kMaxImageBytes;
}

void CalcTape::ResizeSurfaceHeight(int pixels) {
    resize(width(), pixels);
    SyncSurfaceSize();
}

}  // namespace vantrel
