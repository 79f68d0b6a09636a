#pragma once

#include <QString>
#include <QStringList>
#include <QTest>

#include "tape/qt/calc_tape.h"

namespace vantrel::testing {

// What the tape tells the user about its printouts, in place of the information box.
struct PrintNotices {
    explicit PrintNotices(CalcTape& tape) {
        tape.SetPrintNotice([this](const QString& text) { texts << text; });
    }
    PrintNotices(const PrintNotices&) = delete;
    PrintNotices& operator=(const PrintNotices&) = delete;

    QStringList texts;
};

// Waits, `milliseconds` at most, until the tape's job has been sent or given up.
inline bool PrintingEnds(const CalcTape& tape, int milliseconds = 40000) {
    return QTest::qWaitFor([&] { return !tape.Printing(); }, milliseconds);
}

}  // namespace vantrel::testing
