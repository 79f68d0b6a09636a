// Renders a tape with every kind of line, as the window shows it, into a PNG file:
//   tape_screenshot OUTPUT.png
#include <QApplication>
#include <QImage>
#include <cstdio>

#include "tape/qt/calc_tape.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    vantrel::CalcTape tape;
    tape.resize(265, 380);
    tape.show();
    tape.AddDataLine("0", vantrel::TapeOpClearAll, true);
    tape.AddDataLine("1,500.00", vantrel::TapeOpValue, true);
    tape.AddDataLine("1,500.00", vantrel::TapeOpAdd, true);
    tape.AddDataLine("250.00", vantrel::TapeOpAdd, true);
    tape.AddDataLine("-75.25", vantrel::TapeOpSubtract, false);
    tape.AddDataLine("1,674.75", vantrel::TotalCode(3), true);
    tape.AddDataLine("12.00", vantrel::TapeOpMultiply, true);
    tape.AddDataLine("3.00", vantrel::TapeOpDivide, true);
    tape.AddDataLine("4.00", vantrel::TapeOpEquals, true);
    tape.AddDataLine("8.00", vantrel::TapeOpPercent, true);
    tape.AddDataLine("4.00", vantrel::TapeOpMemoryAdd, true);
    tape.AddDataLine("1.50", vantrel::TapeOpMemorySubtract, true);
    tape.AddDataLine("2.50", vantrel::TapeOpMemoryRecall, true);
    tape.AddDataLine("0", vantrel::TapeOpMemoryClear, true);
    tape.AddDataLine("-Error-", vantrel::TapeOpError, false);
    tape.AddDataLine("0", vantrel::TapeOpClearAll, true);
    return tape.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
