#include "tools/headless/headless_session.h"

#include <cstdio>
#include <utility>

namespace vantrel {
namespace {

std::string_view Bool(bool value) {
    return value ? "True" : "False";
}

std::string Text(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string Text(std::int32_t value) {
    return std::to_string(value);
}

std::string Text(ArithmeticCode code) {
    return std::to_string(ValueOf(code));
}

void Item(std::ostream& out, std::string_view name, std::string_view value) {
    out << name << '\t' << value << '\n';
}

}  // namespace

HeadlessSession::HeadlessSession(Options options)
    : m_machine({m_display, m_timer, m_tones, m_tape, m_clipboard, m_window},
                std::move(options.separators)) {
    m_machine.Start();
    m_machine.Calc().RoundOpt_Click(options.mode);
}

void HeadlessSession::PushAmount(std::uint32_t wParam, std::uint32_t lParam) {
    m_machine.PushAmountMessage(wParam, lParam);
}

void HeadlessSession::EndBlink() {
    if (m_timer.running) {
        m_machine.Calc().Timer1_Timer();
    }
}

void HeadlessSession::WriteReport(std::ostream& out) const {
    const TapeLineStore& store = m_tape.store;
    for (std::int32_t k = 1; k <= store.CurrentLine(); ++k) {
        const TapeLine line = store.Line(k);
        out << "tape\t" << LineCode(line.Op) << '\t' << Bool(line.CLR) << '\t' << line.NumStr
            << '\n';
    }
    const Calculator& calculator = m_machine.Calc();
    const CalcState& s = calculator.State();
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
    Item(out, "mode", std::to_string(calculator.SelectedRoundOption()));
    Item(out, "beeps", std::to_string(m_tones.beeps));
    Item(out, "clipboard", m_clipboard.text.value_or(""));
    Item(out, "messages", messages);
    ForEachRegister(s.registers,
                    [&out](std::string_view name, auto value) { Item(out, name, Text(value)); });
}

}  // namespace vantrel
