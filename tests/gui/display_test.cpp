#include <QTimer>

#include "tests/gui/window_fixture.h"

namespace vantrel::testing {
namespace {

class DisplayTest : public WindowTest {
  protected:
    QTimer& Timer1() const { return *Find<QTimer>("Timer1"); }
    QColor Ink() const { return Display().palette().color(QPalette::WindowText); }
};

TEST_F(DisplayTest, StartsWithZeroesInTheLabels) {
    EXPECT_EQ(Display().text(), "0. ");
    EXPECT_EQ(Label("LMem").text(), "0. ");
    EXPECT_EQ(Label("LCounter").text(), "0 ");
    EXPECT_EQ(Label("LMem").toolTip(), "Memory");
    EXPECT_EQ(Label("LCounter").toolTip(), "Counter");
    EXPECT_FALSE(Timer1().isActive());
}

TEST_F(DisplayTest, ResultBlanksTheDisplayForOneHundredMilliseconds) {
    ClickKeys({2, 5, 0, 15});
    EXPECT_EQ(Display().text(), "");
    EXPECT_TRUE(Timer1().isActive());
    EXPECT_TRUE(Timer1().isSingleShot());
    EXPECT_EQ(Timer1().interval(), 100);
    EXPECT_EQ(SettledDisplay(), "250. ");
    EXPECT_FALSE(Timer1().isActive());
    EXPECT_EQ(Label("LCounter").text(), "1 ");
}

// Records the text the display has each time it is painted.
class PaintRecorder : public QObject {
  public:
    explicit PaintRecorder(ValueLabel& label) : m_label(label) { label.installEventFilter(this); }
    QStringList painted;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted << m_label.text();
        }
        return false;
    }

  private:
    ValueLabel& m_label;
};

TEST_F(DisplayTest, BlankDisplayIsPaintedBeforeTheClickReturns) {
    ClickKey(5);
    PaintRecorder recorder(Display());
    ClickKey(15);
    EXPECT_TRUE(recorder.painted.contains(QString())) << recorder.painted.join('|').toStdString();
}

TEST_F(DisplayTest, NegativeResultInRedAndTheNextEntryInBlack) {
    ClickKeys({5, 14});
    EXPECT_EQ(SettledDisplay(), "-5. ");
    EXPECT_EQ(Ink(), QColor(255, 0, 0));
    ClickKey(3);
    EXPECT_EQ(Display().text(), "3. ");
    EXPECT_EQ(Ink(), QColor(0, 0, 0));
}

TEST_F(DisplayTest, DisplayIsBoldOnWhite) {
    EXPECT_TRUE(Display().font().bold());
    EXPECT_EQ(Display().palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(Display().autoFillBackground());
    const QImage image = Display().grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() / 4, image.height() / 2), QColor(Qt::white));
}

TEST_F(DisplayTest, MemoryClearThenUndoBringsTheMemoryLabelBack) {
    ClickKeys({4, 22});
    EXPECT_EQ(Label("LMem").text(), "4. ");
    ClickKey(11);
    EXPECT_EQ(Label("LMem").text(), "0. ");
    ClickKey(30);
    EXPECT_EQ(Label("LMem").text(), "4. ");
}

}  // namespace
}  // namespace vantrel::testing
