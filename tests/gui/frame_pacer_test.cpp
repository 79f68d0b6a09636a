#include "shell/frame_pacer.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

namespace vantrel::testing {
namespace {

class CountingWidget : public QWidget {
  public:
    int paints = 0;

  protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

class FramePacerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_window.resize(100, 60);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
        QTest::qWait(3 * FramePacer::kFrameMilliseconds);
        m_window.paints = 0;
    }

    CountingWidget m_window;
    FramePacer m_pacer{m_window};
};

// The first change after a quiet frame is on screen as soon as the events before it are done;
// a burst within one frame is one more paint, once the frame is due.
TEST_F(FramePacerTest, ABurstWithinAFrameIsGatheredIntoTheNextOne) {
    m_window.update();
    QCoreApplication::processEvents();
    EXPECT_EQ(m_window.paints, 1);
    for (int i = 0; i < 20; ++i) {
        m_window.update();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(m_window.paints, 1) << "held for the next frame";
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_window.paints == 2; }, 1000));
    QTest::qWait(3 * FramePacer::kFrameMilliseconds);
    EXPECT_EQ(m_window.paints, 2);
}

// Asked for within a frame of the last paint: at once for a person's click, with the next frame
// for a program's message.
TEST_F(FramePacerTest, APaintAskedForAtOnceWaitsOnlyForAProgram) {
    m_window.update();
    QCoreApplication::processEvents();
    ASSERT_EQ(m_window.paints, 1);
    m_pacer.PaintNow(m_window);
    EXPECT_EQ(m_window.paints, 1);
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_window.paints == 2; }, 1000));

    QTest::qWait(3 * FramePacer::kFrameMilliseconds);
    m_window.update();
    QCoreApplication::processEvents();
    ASSERT_EQ(m_window.paints, 3);
    QTest::mouseClick(&m_window, Qt::LeftButton);
    m_pacer.PaintNow(m_window);
    EXPECT_EQ(m_window.paints, 4);
}

}  // namespace
}  // namespace vantrel::testing
