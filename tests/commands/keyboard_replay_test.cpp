#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/replay_harness.h"
#include "tests/support/tape_marks.h"

namespace vantrel::testing {
namespace {

TEST(KeyboardReplay, HeldKeyActsOnceUntilItIsReleased) {
    EXPECT_EQ(Replay("kd55,0 kd55,0 kd55,0")["entry"], "7");
    EXPECT_EQ(Replay("kd55,0 ku55 kd55,0 ku55")["entry"], "77");
    EXPECT_EQ(Replay("kd103,0 ku103 kd103,0")["entry"], "77") << "number pad 7";
}

TEST(KeyboardReplay, PlusKeyAddsAndWithShiftAddsToMemory) {
    const Replayed add = Replay("kd52,0 ku52 kd187,0 ku187 kd13,0 ku13");
    EXPECT_EQ(add.tape, (std::vector<std::string>{Line(TapeOpAdd, "4"), Line(TotalCode(1), "4")}));

    const Replayed memory = Replay("kd52,0 ku52 kd187,1 ku187");
    EXPECT_EQ(memory["memvalue"], "4");
    EXPECT_EQ(memory.tape, std::vector<std::string>{Line(TapeOpMemoryAdd, "4")});
}

TEST(KeyboardReplay, ModifiersChooseTheTable) {
    EXPECT_EQ(Replay("kd53,4")["entry"], "5") << "Alt alone keeps the plain table";
    const Replayed ctrlFive = Replay("kd53,2");
    EXPECT_EQ(ctrlFive["entry"], "0");
    EXPECT_EQ(ctrlFive["beeps"], "0");
    EXPECT_EQ(Replay("kd50,2")["mode"], "2");
    EXPECT_EQ(Replay("kd65,2")["mode"], "5");
    EXPECT_EQ(Replay("kd49,1")["entry"], "0") << "Shift with a digit that is no sign";
    EXPECT_EQ(Replay("kd53,0 ku53 kd53,1").tape,
              (std::vector<std::string>{Line(TapeOpPercent, "0"), Line(TapeOpEquals, "5"),
                                        Line(TapeOpValue, "0")}))
        << "Shift+5 is Percent";
}

TEST(KeyboardReplay, CopyWithCtrlAndShiftAndUndoOnlyWhenAvailable) {
    EXPECT_EQ(Replay("kd57,0 ku57 kd67,3")["clipboard"], "9.");
    EXPECT_EQ(Replay("kd57,0 ku57 kd67,6")["clipboard"], "") << "Ctrl+Alt+C copies an image";

    const Replayed noUndo = Replay("kd90,2");
    EXPECT_EQ(noUndo["beeps"], "0");
    EXPECT_EQ(noUndo["undo"], "False");
    EXPECT_EQ(Replay("kd53,0 ku53 kd107,0 ku107 kd90,2")["total"], "0");
}

TEST(KeyboardReplay, EscapeAsksAndCancelChangesNothing) {
    const Replayed r = Replay("kd53,0 ku53 kd27,0 ku27");
    EXPECT_EQ(r["messages"], "Exit Vantrel Calculator");
    EXPECT_EQ(r["entry"], "5");
}

TEST(KeyboardReplay, DigitInTheErrorStateBeeps) {
    const Replayed r = Replay("kd56,0 ku56 kd111,0 ku111 kd48,0 ku48 kd13,0 ku13 kd53,0 ku53");
    EXPECT_EQ(r["error"], "True");
    EXPECT_EQ(r["beeps"], "1");
}

}  // namespace
}  // namespace vantrel::testing
