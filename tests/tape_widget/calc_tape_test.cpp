#include <gtest/gtest.h>

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <string>

#include "tape/tape_font.h"
#include "tape/tape_scroll.h"
#include "tape_fixture.h"

namespace vantrel {
namespace {

using testing::CountPixels;
using testing::IsBlank;
using testing::ShownTape;

void AddLines(CalcTape& tape, int count, TapeOp op = TapeOpAdd) {
    for (int i = 1; i <= count; ++i) {
        tape.AddDataLine(std::to_string(i) + ".00", op, true);
    }
}

int ExpectedMaximum(const CalcTape& tape) {
    return RowsBelowView(tape.NextY(), tape.height() * 15.0, tape.LineHeight()).value_or(0);
}

TEST(CalcTape, StartsEmptyWithTheTapeFontAndANarrowScrollBar) {
    auto tape = ShownTape();
    EXPECT_FLOAT_EQ(tape->FontSize(), static_cast<float>(kTapeFontPointSize));
    EXPECT_GT(tape->LineHeight(), tape->CharWidth());
    EXPECT_GT(tape->CharWidth(), 0);
    EXPECT_EQ(tape->NextY(), tape->LineHeight());
    EXPECT_EQ(tape->TopOffset(), 0);
    EXPECT_EQ(tape->CurrentLine(), 0);
    EXPECT_EQ(tape->VScroll1()->width(), 17);  // 255 twips
    EXPECT_EQ(tape->VScroll1()->height(), 271);
    EXPECT_EQ(tape->VScroll1()->maximum(), 0);
    EXPECT_TRUE(IsBlank(tape->Surface()));
}

TEST(CalcTape, WritingFontSizeChangesTheMetricsButNotTheDrawing) {
    auto tape = ShownTape();
    AddLines(*tape, 3);
    const QImage before = tape->Surface();
    const std::int32_t h = tape->LineHeight();
    const std::int32_t c = tape->CharWidth();
    tape->SetFontSize(22.8f);
    EXPECT_FLOAT_EQ(tape->FontSize(), 22.8f);
    EXPECT_NEAR(tape->LineHeight(), 2 * h, 3);
    EXPECT_NEAR(tape->CharWidth(), 2 * c, 3);
    EXPECT_EQ(tape->Surface(), before);
    EXPECT_EQ(tape->VScroll1()->width(), TwipsToPixels(2.0 * tape->CharWidth(), 15));
    tape->Redraw();
    EXPECT_NE(tape->Surface(), before);
    EXPECT_THROW(tape->SetFontSize(0), std::invalid_argument);
    EXPECT_THROW(tape->SetFontSize(-3), std::invalid_argument);
}

TEST(CalcTape, AShortTapeDrawsEachAppendOnTheExistingImage) {
    auto tape = ShownTape();
    AddLines(*tape, 3);
    EXPECT_EQ(tape->VScroll1()->maximum(), 0);
    EXPECT_EQ(tape->NextY(), 4 * tape->LineHeight());
    // A font change shows only on what is drawn next: had the append redrawn the tape, the
    // first rows would change too.
    const QImage before = tape->Surface();
    const int firstTwoRows = static_cast<int>(2.5 * tape->LineHeight() / 15);
    tape->SetFontSize(16);
    tape->AddDataLine("4.00", TapeOpAdd, true);
    EXPECT_EQ(tape->Surface().copy(0, 0, 265, firstTwoRows), before.copy(0, 0, 265, firstTwoRows));
    EXPECT_NE(tape->Surface(), before);
    EXPECT_EQ(tape->VScroll1()->maximum(), 0);
}

TEST(CalcTape, ATapeTallerThanTheViewScrollsToItsEnd) {
    auto tape = ShownTape();
    AddLines(*tape, 40);
    const QScrollBar* bar = tape->VScroll1();
    EXPECT_EQ(tape->NextY(), 41 * tape->LineHeight());
    EXPECT_EQ(bar->maximum(), ExpectedMaximum(*tape));
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(tape->TopOffset(), std::int64_t{bar->value()} * tape->LineHeight());
    // The newest line is in sight: its row lies within the view.
    const double lastRowY = static_cast<double>(40 * tape->LineHeight() - tape->TopOffset()) / 15;
    EXPECT_LT(lastRowY, 271);
    EXPECT_GT(CountPixels(tape->Surface(), QRect(150, static_cast<int>(lastRowY) - 6, 110, 12),
                          testing::IsInk),
              0);
}

TEST(CalcTape, PagingMovesOneViewLessARowAndStopsAtTheEnds) {
    auto tape = ShownTape();
    AddLines(*tape, 60);
    QScrollBar* bar = tape->VScroll1();
    const int maximum = bar->maximum();
    const auto page = static_cast<int>(PageRows(271.0 * 15, tape->LineHeight()));
    ASSERT_GT(maximum, 2 * page);

    tape->PageUpDown(PageDirection::Down);
    EXPECT_EQ(bar->value(), maximum);
    tape->PageUpDown(PageDirection::Up);
    EXPECT_EQ(bar->value(), maximum - page);
    EXPECT_EQ(tape->TopOffset(), std::int64_t{maximum - page} * tape->LineHeight());
    bar->setValue(page / 2);
    tape->PageUpDown(PageDirection::Up);
    EXPECT_EQ(bar->value(), 0);
    tape->PageUpDown(PageDirection::Up);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(tape->TopOffset(), 0);
    bar->setValue(maximum - 1);
    tape->PageUpDown(PageDirection::Down);
    EXPECT_EQ(bar->value(), maximum);
}

TEST(CalcTape, APageOfAViewFifteenRowsHighIsFourteenRows) {
    auto tape = ShownTape();
    ASSERT_EQ(tape->LineHeight() % 15, 0) << "the tape font's rows are whole pixels";
    tape->resize(265, 15 * tape->LineHeight() / 15);
    AddLines(*tape, 60);
    tape->VScroll1()->setValue(0);
    tape->PageUpDown(PageDirection::Down);
    EXPECT_EQ(tape->VScroll1()->value(), 14);
}

TEST(CalcTape, ScrollingRedrawsAtTheNewOffset) {
    auto tape = ShownTape();
    AddLines(*tape, 40);
    tape->VScroll1()->setValue(3);
    EXPECT_EQ(tape->TopOffset(), 3 * tape->LineHeight());
    EXPECT_EQ(tape->NextY(), 41 * tape->LineHeight());
}

TEST(CalcTape, OnlyARightButtonReleaseAsksForThePopupMenu) {
    auto tape = ShownTape();
    QSignalSpy spy(tape.get(), &CalcTape::ShowPopupMenu);
    QTest::mouseClick(tape.get(), Qt::LeftButton, {}, QPoint(150, 50));
    EXPECT_EQ(spy.count(), 0);
    QTest::mousePress(tape.get(), Qt::RightButton, {}, QPoint(150, 50));
    EXPECT_EQ(spy.count(), 0);
    QTest::mouseRelease(tape.get(), Qt::RightButton, {}, QPoint(150, 50));
    EXPECT_EQ(spy.count(), 1);
    QTest::mouseClick(tape.get(), Qt::RightButton, {}, QPoint(150, 60));
    EXPECT_EQ(spy.count(), 2);
}

TEST(CalcTape, ResizingFollowsTheHeightAndScrollsToTheEnd) {
    auto tape = ShownTape();
    AddLines(*tape, 40);
    tape->VScroll1()->setValue(0);
    tape->resize(265, 400);
    EXPECT_EQ(tape->VScroll1()->height(), 400);
    EXPECT_EQ(tape->VScroll1()->maximum(), ExpectedMaximum(*tape));
    EXPECT_EQ(tape->VScroll1()->value(), tape->VScroll1()->maximum());
    EXPECT_EQ(tape->Surface().height(), 400);
    tape->resize(265, 2000);
    EXPECT_EQ(tape->VScroll1()->maximum(), 0);
    EXPECT_EQ(tape->TopOffset(), 0);
}

TEST(CalcTape, RedrawOfTheLastCalculationStartsAfterTheLastClearAllMarker) {
    struct Case {
        const char* name;
        std::vector<TapeOp> ops;
        int drawnRows;
    };
    const std::vector<Case> cases = {
        {"no marker", {TapeOpAdd, TapeOpAdd, TapeOpAdd}, 3},
        {"marker only at the end", {TapeOpAdd, TapeOpAdd, TapeOpClearAll}, 3},
        {"marker inside", {TapeOpAdd, TapeOpClearAll, TapeOpAdd, TapeOpAdd}, 2},
        {"two markers", {TapeOpClearAll, TapeOpAdd, TapeOpClearAll, TapeOpAdd, TapeOpClearAll}, 2},
    };
    for (const Case& c : cases) {
        auto tape = ShownTape();
        for (std::size_t i = 0; i < c.ops.size(); ++i) {
            tape->AddDataLine(std::to_string(i + 1) + ".00", c.ops[i], true);
        }
        tape->Redraw(true);
        EXPECT_EQ(tape->NextY(), (c.drawnRows + 1) * tape->LineHeight()) << c.name;
        // The rows drawn show the same lines a tape holding only them shows.
        auto alone = ShownTape();
        for (std::size_t i = c.ops.size() - c.drawnRows; i < c.ops.size(); ++i) {
            alone->AddDataLine(std::to_string(i + 1) + ".00", c.ops[i], true);
        }
        EXPECT_EQ(tape->Surface(), alone->Surface()) << c.name;
    }
}

TEST(CalcTape, LoweringTheCountHidesLaterLinesUntilAnAppendReplacesThem) {
    auto tape = ShownTape();
    AddLines(*tape, 10);
    tape->SetCurrentLine(7);
    EXPECT_EQ(tape->NextY(), 11 * tape->LineHeight());  // the count alone changes nothing
    tape->Redraw();
    EXPECT_EQ(tape->NextY(), 8 * tape->LineHeight());
    tape->AddDataLine("99.00", TotalCode(7), true);
    EXPECT_EQ(tape->CurrentLine(), 8);
    EXPECT_EQ(tape->Store().Line(8).NumStr, "99.00");
    EXPECT_THROW(tape->Store().Line(9), std::out_of_range);

    tape->SetCurrentLine(0);
    tape->Redraw();
    EXPECT_TRUE(IsBlank(tape->Surface()));
    tape->AddDataLine("5.00", TapeOpAdd, true);
    EXPECT_EQ(tape->CurrentLine(), 1);
    EXPECT_EQ(tape->NextY(), 2 * tape->LineHeight());
}

TEST(CalcTape, ACountBeyondTheStoredLinesFailsTheRedraw) {
    auto tape = ShownTape();
    AddLines(*tape, 2);
    tape->SetCurrentLine(5);
    EXPECT_THROW(tape->Redraw(), std::out_of_range);
    EXPECT_THROW(tape->AddDataLine("1.00", TapeOpAdd, true), std::out_of_range);
    EXPECT_EQ(tape->CurrentLine(), 5);
}

TEST(CalcTape, AFailingRedrawDuringAResizeIsIgnored) {
    auto tape = ShownTape();
    AddLines(*tape, 2);
    tape->SetCurrentLine(5);
    tape->resize(265, 300);
    EXPECT_EQ(tape->VScroll1()->height(), 300);
    EXPECT_EQ(tape->Surface().height(), 300);
}

TEST(CalcTape, ClearAllEmptiesTheTapeAndTheView) {
    auto tape = ShownTape();
    AddLines(*tape, 40);
    tape->ClearAll();
    EXPECT_EQ(tape->CurrentLine(), 0);
    EXPECT_EQ(tape->Store().StoredLineCount(), 0u);
    EXPECT_EQ(tape->TopOffset(), 0);
    EXPECT_EQ(tape->NextY(), tape->LineHeight());
    EXPECT_EQ(tape->VScroll1()->maximum(), 0);
    EXPECT_EQ(tape->VScroll1()->value(), 0);
    EXPECT_TRUE(IsBlank(tape->Surface()));
    tape->ClearAll();
    EXPECT_EQ(tape->CurrentLine(), 0);
    tape->AddDataLine("1.00", TapeOpAdd, true);
    EXPECT_EQ(tape->NextY(), 2 * tape->LineHeight());
}

TEST(CalcTape, ATapeOfMoreThan32767RowsKeepsAppendingAndPaging) {
    auto tape = ShownTape(265, 40);
    for (int i = 0; i < 42000; ++i) {
        tape->AddDataLine(i % 2 == 0 ? "1.00" : "-2.00", i % 2 == 0 ? TapeOpAdd : TapeOpValue,
                          i % 2 == 0);
    }
    EXPECT_EQ(tape->CurrentLine(), 42000);
    const QScrollBar* bar = tape->VScroll1();
    EXPECT_GT(bar->maximum(), 32767);
    EXPECT_EQ(bar->maximum(), ExpectedMaximum(*tape));
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(tape->TopOffset(), std::int64_t{bar->value()} * tape->LineHeight());
    EXPECT_GT(CountPixels(tape->Surface(), tape->Surface().rect(), testing::IsInk), 0);
    tape->PageUpDown(PageDirection::Down);
    EXPECT_EQ(bar->value(), bar->maximum());
    tape->PageUpDown(PageDirection::Up);
    EXPECT_LT(bar->value(), bar->maximum());
    tape->AddDataLine("3.00", TapeOpAdd, true);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST(CalcTape, ScaleOfTwelveTwipsPerPixelKeepsTheTwipsGeometry) {
    auto tape = ShownTape();
    const std::int32_t h = tape->LineHeight();
    tape->SetTwipsPerPixel(12);
    tape->SetFontSize(static_cast<float>(kTapeFontPointSize * 12 / 15));
    EXPECT_NEAR(tape->LineHeight(), 0.8 * h, 8);
    EXPECT_EQ(tape->VScroll1()->width(), TwipsToPixels(2.0 * tape->CharWidth(), 12));
    EXPECT_THROW(tape->SetTwipsPerPixel(0), std::invalid_argument);
}

}  // namespace
}  // namespace vantrel
