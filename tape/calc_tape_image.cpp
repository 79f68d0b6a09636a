#include "tape/calc_tape.h"

namespace vantrel {
namespace {

constexpr int kWholeTape = 1;
constexpr int kVisibleLines = 2;
constexpr int kLastCalculation = 3;

}  // namespace

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
            m_tape.resizeSurfaceHeight(m_height);
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

QImage CalcTape::GetTapeImage(int Mode) {
    if (Mode == kVisibleLines) {
        return m_surface.copy();
    }
    if (Mode != kWholeTape && Mode != kLastCalculation) {
        return {};
    }
    const bool lastCalc = Mode == kLastCalculation;
    if (!lastCalc && !fitsOneImage(tallSurfaceHeight())) {
        return {};
    }
    const ViewRestorer restorer(*this);
    if (lastCalc) {
        Redraw(true);
        if (!fitsOneImage(tallSurfaceHeight())) {
            return {};
        }
    }
    resizeSurfaceHeight(tallSurfaceHeight());
    Redraw(lastCalc);
    return m_surface.copy();
}

// Half a row above the first row and down to the bottom of the row after the last line.
int CalcTape::tallSurfaceHeight() const {
    return twipsToPixels(m_metrics.LineHeight / 2.0 + static_cast<double>(m_cursor.NextY));
}

bool CalcTape::fitsOneImage(int pixelHeight) const {
    const double ratio = devicePixelRatioF();
    const double bytes = width() * ratio * pixelHeight * ratio * 4;
    return pixelHeight <= QWIDGETSIZE_MAX && bytes <= kMaxImageBytes;
}

void CalcTape::resizeSurfaceHeight(int pixels) {
    resize(width(), pixels);
    syncSurfaceSize();
}

}  // namespace vantrel
