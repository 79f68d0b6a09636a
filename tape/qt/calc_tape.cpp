#include "tape/qt/calc_tape.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <cmath>
#include <stdexcept>

#include "core/twips.h"
#include "tape/qt/qt_tape_canvas.h"
#include "tape/qt/tape_accessible.h"
#include "tape/tape_font.h"
#include "tape/tape_scroll.h"

namespace vantrel {
namespace {

constexpr int kScrollBarTwipsBeforeFontSize = 255;
constexpr double kMetresPerInch = 0.0254;

template <typename Step>
void IgnoreFailure(Step step) {
    try {
        step();
    } catch (const std::exception&) {
        // A failing step of a resize leaves the view as it is until the next redraw.
    }
}

}  // namespace

CalcTape::CalcTape(QWidget* parent)
    : QWidget(parent),
      m_font(QString::fromUtf8(kTapeFontFamily)),
      m_vScroll(new TapeScrollBar(this)),
      m_scrollBarTwips(kScrollBarTwipsBeforeFontSize) {
    InstallTapeAccessibility();
    setAccessibleName(QStringLiteral("Tape"));
    setFocusPolicy(Qt::TabFocus);
    m_vScroll->setAccessibleName(QStringLiteral("Tape position"));
    m_vScroll->setFocusPolicy(Qt::NoFocus);
    m_font.setStyleHint(QFont::TypeWriter);
    m_font.setPointSizeF(kTapeFontPointSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The right button's release raises ShowPopupMenu; no context menu of a parent shows.
    setContextMenuPolicy(Qt::PreventContextMenu);
    m_vScroll->setRange(0, 0);
    connect(m_vScroll, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    m_printNotice = [this](const QString& text) {
        // The application's title is the program's name; the display name would be appended
        // to every window title, so it stays unset.
        QMessageBox::information(this, QCoreApplication::applicationName(), text);
    };
    SyncSurfaceSize();
    MeasureMetrics();
    PlaceScrollBar();
    MyCLS();
}

void CalcTape::AddDataLine(std::string_view NumStr, TapeOp Op, bool CLR) {
    const std::int32_t before = m_store.CurrentLine();
    m_store.AddDataLine(NumStr, Op, CLR);
    if (m_restoring) {
        return;
    }
    m_rows.Truncate(before);
    m_rows.Extend(m_store, before + 1);
    DrawLine(m_store.Line(before + 1));
    UpdateScroll();
    if (TapeAccessible* reader = ListeningReader()) {
        reader->TellLinesAdded(before);
    }
}

std::int32_t CalcTape::CurrentLine() const {
    return m_store.CurrentLine();
}

void CalcTape::SetCurrentLine(std::int32_t count) {
    const std::int32_t before = m_store.CurrentLine();
    TapeAccessible* reader = m_restoring ? nullptr : ListeningReader();
    if (reader != nullptr && count >= 0 && count < before) {
        reader->TellLinesRemoving(count);
    }
    m_store.SetCurrentLine(count);
    if (reader != nullptr && count > before) {
        reader->TellLinesAdded(before);
    }
}

void CalcTape::Redraw() {
    if (!m_restoring) {
        Redraw(false);
    }
}

void CalcTape::ClearAll() {
    if (m_restoring) {
        return m_store.ClearAll();
    }
    if (TapeAccessible* reader = ListeningReader()) {
        reader->TellLinesRemoving(0);
    }
    m_store.ClearAll();
    m_topOffset = 0;
    m_rows.Reset(m_metrics.LineHeight);
    MyCLS();
    const QSignalBlocker blocker(m_vScroll);
    m_vScroll->setMaximum(0);
}

void CalcTape::BeginRestore() {
    m_restoring = true;
}

void CalcTape::EndRestore() {
    m_restoring = false;
    m_topOffset = 0;
    m_rows.Reset(m_metrics.LineHeight);
    Redraw(false);
    UpdateScroll();
}

float CalcTape::FontSize() const {
    return static_cast<float>(m_font.pointSizeF());
}

void CalcTape::SetFontSize(float vNewValue) {
    if (!std::isfinite(vNewValue) || vNewValue <= 0) {
        throw std::invalid_argument("a font size must be a positive number");
    }
    m_font.setPointSizeF(vNewValue);
    MeasureMetrics();
    m_scrollBarTwips = 2 * m_metrics.CharWidth;
    PlaceScrollBar();
}

void CalcTape::SetTwipsPerPixel(int twipsPerPixel) {
    if (twipsPerPixel <= 0) {
        throw std::invalid_argument("twips per pixel must be positive");
    }
    m_twipsPerPixel = twipsPerPixel;
    SyncSurfaceSize();
    MeasureMetrics();
    PlaceScrollBar();
    Redraw(false);
}

void CalcTape::SetPrinterName(const QString& name) {
    m_printerName = name;
}

void CalcTape::SetPrintNotice(std::function<void(const QString&)> notice) {
    m_printNotice = std::move(notice);
}

const TapeLineStore& CalcTape::Store() const {
    return m_store;
}

void CalcTape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_surface);
    if (FocusedLine() > 0) {
        DrawFocusedLine(painter);
    }
}

void CalcTape::resizeEvent(QResizeEvent*) {
    UserControl_Resize();
}

void CalcTape::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit ShowPopupMenu();
    }
}

void CalcTape::UserControl_Resize() {
    SyncSurfaceSize();
    if (m_imageBusy) {
        return;
    }
    IgnoreFailure([this] { PlaceScrollBar(); });
    IgnoreFailure([this] { UpdateScroll(); });
    IgnoreFailure([this] { Redraw(false); });
}

void CalcTape::MeasureMetrics() {
    m_metrics = MeasureTapeMetrics(m_font, &m_surface, 1.0 / m_twipsPerPixel);
    m_rows.Reset(m_metrics.LineHeight);
}

void CalcTape::PlaceScrollBar() {
    m_vScroll->setGeometry(0, 0, ToPixels(m_scrollBarTwips), height());
    m_vScroll->setPageStep(TroughStep(SurfaceHeight(), m_metrics.LineHeight));
}

// The image keeps everything drawn on it when the control grows or shrinks; only a redraw
// replaces it. It is made at the screen's own pixel density so that text stays sharp.
void CalcTape::SyncSurfaceSize() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(std::max(1, static_cast<int>(std::ceil(width() * ratio))),
                       std::max(1, static_cast<int>(std::ceil(height() * ratio))));
    const int dotsPerMetre = qRound(kTwipsPerInch / m_twipsPerPixel / kMetresPerInch);
    if (m_surface.size() == pixels && m_surface.devicePixelRatio() == ratio &&
        m_surface.dotsPerMeterY() == dotsPerMetre) {
        return;
    }
    QImage next(pixels, QImage::Format_RGB32);
    next.fill(Qt::white);
    next.setDotsPerMeterX(dotsPerMetre);
    next.setDotsPerMeterY(dotsPerMetre);
    next.setDevicePixelRatio(ratio);
    if (!m_surface.isNull()) {
        QPainter painter(&next);
        painter.drawImage(QPointF(0, 0), m_surface);
    }
    m_surface = std::move(next);
}

TapeAccessible* CalcTape::ListeningReader() {
    if (!QAccessible::isActive()) {
        return nullptr;
    }
    return dynamic_cast<TapeAccessible*>(QAccessible::queryAccessibleInterface(this));
}

double CalcTape::SurfaceWidth() const {
    return static_cast<double>(width()) * m_twipsPerPixel;
}

double CalcTape::SurfaceHeight() const {
    return static_cast<double>(height()) * m_twipsPerPixel;
}

int CalcTape::ToPixels(double twips) const {
    return TwipsToPixels(twips, m_twipsPerPixel);
}

}  // namespace vantrel
