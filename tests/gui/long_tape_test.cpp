#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "tests/gui/window_fixture.h"

namespace vantrel::testing {
namespace {

constexpr int kLines = 100'000;
constexpr int kLastCalculationLines = 5;

// A tape of a hundred thousand lines on the real window: the three tape copies and a print on
// a queue of the test run's own scheduler all finish. How long each took is written to the
// output for the record; nothing here depends on it.
class LongTapeTest : public QueuesWindowTest {
  protected:
    // A long first calculation, then a short last one after a clear-all marker.
    void FillTape() {
        Measured("appends", [this] {
            for (int i = 1; i <= kLines - kLastCalculationLines - 1; ++i) {
                Tape().AddDataLine(std::to_string(100'000 + i) + ".25", TapeOpAdd, true);
            }
            Tape().AddDataLine("0", TapeOpClearAll, true);
            for (int i = 1; i <= kLastCalculationLines; ++i) {
                Tape().AddDataLine(std::to_string(i) + ".75", TapeOpAdd, true);
            }
        });
        ASSERT_EQ(Tape().CurrentLine(), kLines);
    }

    // The clipboard's image after a Tape Copy entry, with a marker image put there before.
    QImage CopiedImage(const char* entry) {
        QImage marker(3, 3, QImage::Format_RGB32);
        marker.fill(Qt::green);
        QGuiApplication::clipboard()->setImage(marker);
        Measured(entry, [&] { Menu(entry).trigger(); });
        return QGuiApplication::clipboard()->image();
    }

    template <typename Work>
    static void Measured(const char* what, Work work) {
        QElapsedTimer timer;
        timer.start();
        work();
        std::printf("[ measured ] %s: %lld ms\n", what, static_cast<long long>(timer.elapsed()));
    }
};

TEST_F(LongTapeTest, CopiesAndAPrintOfAHundredThousandLinesFinish) {
    FillTape();
    const QImage whole = CopiedImage("m_CopyAll");
    EXPECT_EQ(whole.size(), QSize(3, 3)) << "a tape too tall for one image left the clipboard";
    const QImage visible = CopiedImage("m_CopyVisible");
    EXPECT_EQ(visible.width(), Tape().width());
    EXPECT_GT(visible.height(), 3);
    EXPECT_LE(visible.height(), Tape().height() * 2);
    const QImage last = CopiedImage("m_CopyLast");
    EXPECT_EQ(last.width(), Tape().width());
    EXPECT_GT(last.height(), 3);
    EXPECT_LT(last.height(), Tape().height() * 2);
    EXPECT_EQ(Tape().CurrentLine(), kLines);

    const QString queue = m_queues->defaultName;
    QFile::remove(m_queues->OutputFile(queue));
    Measured("print", [this] { Menu("m_Print").trigger(); });
    const QStringList ends = {"100001.25", QString::number(100'000 + kLines / 2) + ".25", "1.75",
                              "5.75"};
    Measured("printout", [&] { EXPECT_TRUE(PrintedInOrder(*m_queues, queue, ends)); });
    EXPECT_EQ(m_beeps, 0);
}

}  // namespace
}  // namespace vantrel::testing
