#include <gtest/gtest.h>

#include <QAccessible>
#include <string>

#include "tape_fixture.h"

namespace vantrel {
namespace {

using testing::ShownTape;

QString Name(const QAccessibleInterface* iface) {
    return iface != nullptr ? iface->text(QAccessible::Name) : QStringLiteral("<none>");
}

TEST(TapeAccessibility, AListOfTheLinesInWordsThatFollowsAppendsUndoAndClear) {
    auto tape = ShownTape();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(tape.get());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(Name(list), "Tape");
    EXPECT_EQ(list->childCount(), 0);

    tape->AddDataLine("1,250.75", TapeOpAdd, true);
    tape->AddDataLine("8.75", TapeOpSubtract, true);
    tape->AddDataLine("1,242.00", TotalCode(2), true);
    ASSERT_EQ(list->childCount(), 3);
    EXPECT_EQ(Name(list->child(0)), "plus 1,250.75");
    EXPECT_EQ(Name(list->child(2)), "total 1,242.00, 2 items");
    QAccessibleInterface* third = list->child(2);
    EXPECT_EQ(third->role(), QAccessible::ListItem);
    EXPECT_EQ(third->parent(), list);
    EXPECT_EQ(list->child(2), third) << "a line keeps its interface";
    EXPECT_EQ(list->indexOfChild(third), 2);
    EXPECT_EQ(list->child(3), nullptr);
    EXPECT_EQ(list->child(-1), nullptr);

    const QAccessible::Id undone = QAccessible::uniqueId(third);
    tape->SetCurrentLine(1);
    tape->Redraw();
    EXPECT_EQ(list->childCount(), 1);
    const QAccessibleInterface* gone = QAccessible::accessibleInterface(undone);
    EXPECT_TRUE(gone == nullptr || !gone->isValid()) << "an undone line is not offered";
    tape->AddDataLine("3", TapeOpMultiply, true);
    EXPECT_EQ(Name(list->child(1)), "3 times") << "a line above an undo is the new one";

    tape->ClearAll();
    EXPECT_EQ(list->childCount(), 0);
    EXPECT_EQ(list->child(0), nullptr);
}

TEST(TapeAccessibility, ALineStandsWhereItIsDrawnAndOutOfSightIsOffscreen) {
    auto tape = ShownTape();
    for (int k = 1; k <= 60; ++k) {
        tape->AddDataLine(std::to_string(k), TapeOpAdd, true);
    }
    tape->AddDataLine("60", TapeOpValue, true);
    tape->AddDataLine("60", TapeOpAdd, true);  // joins the row of the value above it
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(tape.get());
    const QRect screen(tape->mapToGlobal(QPoint(0, 0)), tape->size());

    const QAccessibleInterface* first = list->child(0);
    EXPECT_TRUE(first->rect().isEmpty()) << "scrolled away above the view";
    EXPECT_TRUE(first->state().offscreen);

    const QRect value = list->child(60)->rect();
    const QRect joined = list->child(61)->rect();
    EXPECT_TRUE(screen.contains(value)) << "the newest lines are in view";
    EXPECT_FALSE(list->child(61)->state().offscreen);
    EXPECT_EQ(joined, value) << "a line on the row before it stands in that row";
    EXPECT_GT(value.top(), list->child(59)->rect().top());
}

}  // namespace
}  // namespace vantrel
