#include "core/calculator.h"
#include "core/rounding.h"

namespace vantrel {

void Calculator::SetUndoAvailable(bool Flag) {
    m_undoAvailable = Flag;
    m_ports.display.ShowUndoAvailable(Flag);
}

// A restored value may have more digits than the selected mode shows: the step then runs
// again in Floating Point, and only a failure there ends the undo with the error beep.
bool Calculator::RunUndoStep(const std::function<void()>& step) {
    for (;;) {
        if (Completes(step)) {
            return true;
        }
        if (SelectedRoundOption() == kFloatingPointMode) {
            m_ports.tones.ErrorBeep();
            return false;
        }
        RoundOpt_Click(kFloatingPointMode);
    }
}

void Calculator::UndoLast() {
    SetUndoAvailable(false);
    CalcState& s = m_state;
    const Snapshot& snapshot = s.UndoSnapshot;
    s.registers = snapshot.registers;
    const bool restored = RunUndoStep([&] {
                              m_ports.tape.SetCurrentLine(snapshot.TapeLineCount);
                              m_ports.tape.Redraw();
                          }) &&
                          RunUndoStep([&] { ResetEntry(); }) &&
                          RunUndoStep([&] { ShowCounterLabel(); }) &&
                          RunUndoStep([&] { ShowMemoryLabel(s.registers.MemValue); }) &&
                          RunUndoStep([&] { ShowResult(s.registers.CurValue); });
    if (restored) {
        s.ErrorState = false;
    }
}

}  // namespace vantrel
