#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QScrollBar>
#include <string>
#include <utility>

#include "tape_fixture.h"

namespace vantrel {
namespace {

using testing::ShownTape;

// The tape's scroll bar, its paints counted. Looking at it paints it once more, so the count
// is taken before each look and the look's own paint is dropped.
class WatchedBar : public QObject {
  public:
    explicit WatchedBar(QScrollBar& bar) : m_bar(bar) { bar.installEventFilter(this); }

    int PaintsSinceLastLook() {
        QCoreApplication::processEvents();
        return std::exchange(m_paints, 0);
    }
    QImage Look() {
        PaintsSinceLastLook();
        QImage image = m_bar.grab().toImage();
        m_paints = 0;
        return image;
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        m_paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }

  private:
    QScrollBar& m_bar;
    int m_paints = 0;
};

void AddLines(CalcTape& tape, int first, int last) {
    for (int i = first; i <= last; ++i) {
        tape.AddDataLine(std::to_string(i) + ".00", TapeOpAdd, true);
    }
}

TEST(TapeScrollBar, RepaintsWhileTheSliderShrinksButNotOnceItStaysAtTheEnd) {
    auto tape = ShownTape();
    QScrollBar& bar = *tape->VScroll1();
    WatchedBar watched(bar);
    AddLines(*tape, 1, 30);
    QImage before = watched.Look();
    AddLines(*tape, 31, 31);
    EXPECT_EQ(watched.PaintsSinceLastLook(), 1);
    EXPECT_NE(watched.Look(), before);

    AddLines(*tape, 32, 400);
    before = watched.Look();
    for (int i = 401; i <= 420; ++i) {
        AddLines(*tape, i, i);
        EXPECT_EQ(watched.PaintsSinceLastLook(), 0) << "line " << i;
    }
    // What was left unpainted is what a fresh painting shows.
    EXPECT_EQ(watched.Look(), before);
    EXPECT_EQ(bar.value(), bar.maximum());
}

TEST(TapeScrollBar, RepaintsWhenTheSliderLeavesTheEndOrComesBack) {
    auto tape = ShownTape();
    WatchedBar watched(*tape->VScroll1());
    AddLines(*tape, 1, 400);
    const QImage atEnd = watched.Look();
    tape->PageUpDown(PageDirection::Up);
    EXPECT_EQ(watched.PaintsSinceLastLook(), 1);
    EXPECT_NE(watched.Look(), atEnd);
    AddLines(*tape, 401, 401);
    EXPECT_EQ(watched.PaintsSinceLastLook(), 1);
    EXPECT_EQ(watched.Look(), atEnd);
}

TEST(TapeScrollBar, ClearingALongTapeRepaintsTheBarWithoutItsSlider) {
    auto tape = ShownTape();
    QScrollBar& bar = *tape->VScroll1();
    WatchedBar watched(bar);
    AddLines(*tape, 1, 400);
    const QImage full = watched.Look();
    tape->ClearAll();
    EXPECT_EQ(watched.PaintsSinceLastLook(), 1);
    EXPECT_EQ(bar.maximum(), 0);
    EXPECT_NE(watched.Look(), full);
}

}  // namespace
}  // namespace vantrel
