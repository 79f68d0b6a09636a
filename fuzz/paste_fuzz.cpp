#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "commands/amount_text.h"
#include "fuzz/invariant.h"
#include "fuzz/session_observation.h"
#include "fuzz/session_run.h"
#include "fuzz/shown_number.h"

// Paste of any clipboard text in any mode and state, the error state included: a refused
// paste changes nothing; an accepted one makes the value the operand, writes no tape line and
// shows a number that reads back to the stored value within the digits its view keeps.
namespace vantrel {
namespace {

constexpr std::size_t kMaxSteps = 32;
constexpr std::size_t kMaxTextLength = 40;

// Text of the characters a pasted number is made of.
std::string NumberLikeText(FuzzedDataProvider& data, const LocaleSeparators& locale) {
    const std::string pieces[] = {"0", "1", "4", "9",       "999",         locale.decimal,
                                  "-", "+", "e", " ",       locale.group,  "\t",
                                  "E", "5", "7", "1234567", "00000000000", "e-"};
    std::string text;
    const auto count = data.ConsumeIntegralInRange<std::size_t>(0, 24);
    for (std::size_t k = 0; k < count; ++k) {
        text += pieces[data.ConsumeIntegralInRange<std::size_t>(0, std::size(pieces) - 1)];
    }
    return text;
}

void CheckTakenValue(HeadlessSession& session, const SessionObservation& before, double pasted,
                     const LocaleSeparators& locale) {
    const CalcState& state = session.State();
    Require(Same(state.registers.CurValue, pasted) && Same(state.registers.ShownValue, pasted),
            "paste: the value read becomes CurValue and ShownValue");
    Require(state.EntryText == "0", "paste: the next digit starts a new entry");
    Require(session.Tape().CurrentLine() == before.tapeLines, "paste: no tape line");
    Require(Same(state.registers.TotalValue, before.state.registers.TotalValue) &&
                state.registers.ItemCount == before.state.registers.ItemCount &&
                state.registers.PendingOp == before.state.registers.PendingOp,
            "paste: the calculation in progress stays");
    session.EndBlink();
    Require(session.Display().ink == (pasted < 0 ? Ink::Red : Ink::Black),
            "paste: red exactly when negative");
    const auto shown = ReadShownNumber(session.Display().displayText, locale);
    Require(shown.has_value(), "paste: display shows a number, its separator and a blank");
    const int places = 15 - shown->integerDigits;
    Require(shown->decimals <= places, "paste: no more digits than the display keeps");
    Require(ReadsBackAs(shown->value, pasted, places), "paste: display reads back as the value");
}

void Paste(HeadlessSession& session, const std::optional<std::string>& text,
           const LocaleSeparators& locale) {
    session.Clipboard().text = text;
    const SessionObservation before = Observe(session);
    const int beeps = session.Beeps();
    session.Click(CommandIndex::Paste);
    if (session.Beeps() != beeps) {
        Require(Unchanged(before, Observe(session)), "paste: a refused paste changes nothing");
        return;
    }
    Require(!before.state.ErrorState, "paste: refused in the error state");
    const auto pasted = text ? ParseAmountText(*text, locale) : std::nullopt;
    Require(pasted.has_value(), "paste: only text that reads as a number is taken");
    CheckTakenValue(session, before, *pasted, locale);
}

void Step(HeadlessSession& session, FuzzedDataProvider& data, const LocaleSeparators& locale) {
    switch (data.ConsumeIntegralInRange<int>(0, 5)) {
        case 0:
            return Paste(session, NumberLikeText(data, locale), locale);
        case 1:
            return Paste(session, data.ConsumeRandomLengthString(kMaxTextLength), locale);
        case 2:
            return Paste(session, std::nullopt, locale);
        case 3:
            return session.SelectMode(data.ConsumeIntegralInRange<int>(0, kRoundModeCount - 1));
        case 4:
            session.Click(
                static_cast<CommandIndex>(data.ConsumeIntegralInRange<int>(0, kCommandCount - 1)));
            return session.EndBlink();
        default:
            return session.Operate(static_cast<OpIndex>(data.ConsumeIntegralInRange<int>(1, 12)));
    }
}

}  // namespace
}  // namespace vantrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    vantrel::RunSession(bytes, size, vantrel::kMaxSteps, vantrel::Step);
    return 0;
}
