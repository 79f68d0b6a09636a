#include "tools/headless/headless_session.h"

#include <cstdio>
#include <utility>

#include "commands/amount_text.h"

namespace vantrel {
namespace {

constexpr std::int16_t kUndoKey = 30;

std::string Bool(bool value) { return value ? "True" : "False"; }

std::string Double(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

void Item(std::string& report, std::string_view name, std::string_view value) {
    report.append(name).append("\t").append(value).append("\n");
}

}  // namespace

HeadlessSession::HeadlessSession(Options options)
    : m_calculator({m_display, m_timer, m_tones, m_tape}, std::move(options.separators)),
      m_dispatcher(m_calculator, m_tape, m_clipboard, m_window, m_tones) {
    m_calculator.StartUp(options.mode);
}

void HeadlessSession::Click(std::int16_t index) {
    if (index == kUndoKey && !m_display.undoAvailable) {
        return;
    }
    m_dispatcher.theButton_Click(index);
}

void HeadlessSession::Operate(std::int16_t opIndex) { m_calculator.cmd_Operate(opIndex); }

void HeadlessSession::PushAmount(std::uint32_t wParam, std::uint32_t lParam) {
    m_calculator.cmd_Input(
        AmountMessageText(wParam, lParam, m_calculator.Separators().decimal), true);
}

void HeadlessSession::SelectMode(int mode) { m_calculator.RoundOpt_Click(mode); }

void HeadlessSession::EndBlink() {
    if (m_timer.running) {
        m_calculator.Timer1_Timer();
    }
}

std::string HeadlessSession::Report() const {
    std::string report;
    const TapeLineStore& store = m_tape.store;
    for (std::int32_t k = 1; k <= store.CurrentLine(); ++k) {
        const TapeLine line = store.Line(k);
        report.append("tape\t")
            .append(std::to_string(line.Op))
            .append("\t")
            .append(Bool(line.CLR))
            .append("\t")
            .append(line.NumStr)
            .append("\n");
    }
    const CalcState& s = m_calculator.State();
    std::string messages;
    for (const std::string& message : m_messages) {
        messages.append(messages.empty() ? "" : "|").append(message);
    }
    Item(report, "display", m_display.displayText);
    Item(report, "color", m_display.ink == Ink::Red ? "red" : "black");
    Item(report, "memory", m_display.memoryLabel);
    Item(report, "counter", m_display.counterLabel);
    Item(report, "entry", s.EntryText);
    Item(report, "error", Bool(s.ErrorState));
    Item(report, "undo", Bool(m_display.undoAvailable));
    Item(report, "mode", std::to_string(m_calculator.SelectedRoundOption()));
    Item(report, "beeps", std::to_string(m_tones.beeps));
    Item(report, "clipboard", m_clipboard.text.value_or(""));
    Item(report, "messages", messages);
    Item(report, "cur", Double(s.CurValue));
    Item(report, "shown", Double(s.ShownValue));
    Item(report, "total", Double(s.TotalValue));
    Item(report, "muldiv", Double(s.MulDivValue));
    Item(report, "memvalue", Double(s.MemValue));
    Item(report, "items", std::to_string(s.ItemCount));
    Item(report, "pending", std::to_string(s.PendingOp));
    return report;
}

}  // namespace vantrel
