#include <QAccessible>

#include "shell/notice_bar.h"
#include "tests/gui/window_fixture.h"

namespace vantrel::testing {
namespace {

class WindowSpeechTest : public WindowTest {
  protected:
    NoticeBar& Notices() const { return *Find<NoticeBar>("NoticeBar"); }
    // What the notice bar says once the event loop has gathered the key's changes.
    QString Heard() const {
        QTest::qWait(0);
        QCoreApplication::processEvents();
        return Notices().Text();
    }
};

// One notice per key, composed once the key's changes are all made: the new tape line, the
// number the result blink will end on, the item count; the error state by its word.
TEST_F(WindowSpeechTest, EachOperationIsToldOnceWithItsLineResultAndCount) {
    EXPECT_EQ(Heard(), "") << "the state the window starts with is not told";
    ClickKeys({1, 2, 5});
    EXPECT_EQ(Heard(), "") << "digits are left to the reader's key echo";
    ClickKey(15);
    EXPECT_EQ(Display().text(), "") << "the blink has begun";
    EXPECT_EQ(Heard(), "plus 125, display 125., item count 1.");
    ClickKeys({7, 5, 14});
    EXPECT_EQ(Heard(), "minus 75, display 50., item count 2.");
    ClickKey(19);
    EXPECT_EQ(Heard(), "total 50, 2 items, display 50., item count 0.");
    ClickKeys({5, 16});
    EXPECT_EQ(Heard(), "5 divided by, display 5.");
    ClickKeys({0, 19});
    EXPECT_EQ(Heard(), "0 equals, Error.");
}

TEST_F(WindowSpeechTest, TheErrorStateIsOnTheAccessibilityTreeWhileItLasts) {
    QAccessibleInterface* notice = QAccessible::queryAccessibleInterface(&Notices());
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->role(), QAccessible::Notification);
    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(&Display());
    ClickKeys({5, 16, 0, 19});
    EXPECT_EQ(display->text(QAccessible::Description), "Error");
    EXPECT_EQ(notice->text(QAccessible::Name), Heard());
    ClickKey(10);
    EXPECT_EQ(display->text(QAccessible::Description), "");
}

}  // namespace
}  // namespace vantrel::testing
