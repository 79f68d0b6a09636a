#include "tools/headless/headless_session.h"

#include <cstdio>
#include <utility>

#include "commands/amount_text.h"

namespace vantrel {
namespace {

constexpr std::int16_t kUndoKey = 30;

std::string_view Bool(bool value) {
    return value ? "True" : "False";
}

std::string Double(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

void Item(std::ostream& out, std::string_view name, std::string_view value) {
    out << name << '\t' << value << '\n';
}

}  // namespace

HeadlessSession::HeadlessSession(Options options)
    : m_calculator({m_display, m_timer, m_tones, m_tape}, std::move(options.separators)),
      m_dispatcher(m_calculator, m_tape, m_clipboard, m_window, m_tones) {
    m_calculator.ShowEmptyMemory();
    m_calculator.StartEntry();
    m_calculator.RoundOpt_Click(options.mode);
}

void HeadlessSession::Click(std::int16_t index) {
    if (index == kUndoKey && !m_display.undoAvailable) {
        return;
    }
    m_dispatcher.theButton_Click(index);
}

void HeadlessSession::Operate(std::int16_t opIndex) {
    m_calculator.cmd_Operate(opIndex);
}

void HeadlessSession::PushAmount(std::uint32_t wParam, std::uint32_t lParam) {
    m_calculator.cmd_Input(AmountMessageText(wParam, lParam, m_calculator.Separators().decimal),
                           true);
}

void HeadlessSession::SelectMode(int mode) {
    m_calculator.RoundOpt_Click(mode);
}

void HeadlessSession::EndBlink() {
    if (m_timer.running) {
        m_calculator.Timer1_Timer();
    }
}

void HeadlessSession::WriteReport(std::ostream& out) const {
    const TapeLineStore& store = m_tape.store;
    for (std::int32_t k = 1; k <= store.CurrentLine(); ++k) {
        const TapeLine line = store.Line(k);
        out << "tape\t" << LineCode(line.Op) << '\t' << Bool(line.CLR) << '\t' << line.NumStr
            << '\n';
    }
    const CalcState& s = m_calculator.State();
    std::string messages;
    for (const std::string& message : m_messages) {
        messages.append(messages.empty() ? "" : "|").append(message);
    }
    Item(out, "display", m_display.displayText);
    Item(out, "color", m_display.ink == Ink::Red ? "red" : "black");
    Item(out, "memory", m_display.memoryLabel);
    Item(out, "counter", m_display.counterLabel);
    Item(out, "entry", s.EntryText);
    Item(out, "error", Bool(s.ErrorState));
    Item(out, "undo", Bool(m_display.undoAvailable));
    Item(out, "mode", std::to_string(m_calculator.SelectedRoundOption()));
    Item(out, "beeps", std::to_string(m_tones.beeps));
    Item(out, "clipboard", m_clipboard.text.value_or(""));
    Item(out, "messages", messages);
    Item(out, "cur", Double(s.CurValue));
    Item(out, "shown", Double(s.ShownValue));
    Item(out, "total", Double(s.TotalValue));
    Item(out, "muldiv", Double(s.MulDivValue));
    Item(out, "memvalue", Double(s.MemValue));
    Item(out, "items", std::to_string(s.ItemCount));
    Item(out, "pending", std::to_string(s.PendingOp));
}

}  // namespace vantrel
