#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/invariant.h"
#include "fuzz/session_observation.h"
#include "fuzz/session_run.h"
#include "fuzz/shown_number.h"

// Number entry with any text in any mode, keyed or pushed, between operations and mode
// changes: an accepted entry keeps to its length limit and the display reads back as its
// value; a refused one changes nothing at all.
namespace vantrel {
namespace {

constexpr std::size_t kMaxSteps = 64;
constexpr std::size_t kMaxTextLength = 24;

// Text of the characters an entry is made of, so that long valid entries are common.
std::string EntryLikeText(FuzzedDataProvider& data, const LocaleSeparators& locale) {
    const std::string pieces[] = {"0", "1", "5", "9", "00", locale.decimal, "-", locale.group};
    std::string text;
    const auto count = data.ConsumeIntegralInRange<std::size_t>(0, 20);
    for (std::size_t k = 0; k < count; ++k) {
        text += pieces[data.ConsumeIntegralInRange<std::size_t>(0, std::size(pieces) - 1)];
    }
    return text;
}

std::string KeyText(FuzzedDataProvider& data, const LocaleSeparators& locale) {
    const auto key = data.ConsumeIntegralInRange<int>(0, 11);
    if (key < 10) {
        return std::to_string(key);
    }
    return key == 10 ? "00" : locale.decimal;
}

// The display shows the entry's value to the decimals it shows.
void CheckShownEntry(const HeadlessSession& session, const LocaleSeparators& locale) {
    const CalcState& state = session.State();
    Require(Same(state.registers.CurValue, state.registers.ShownValue),
            "entry: CurValue equals ShownValue");
    Require(session.Display().ink == Ink::Black, "entry: drawn in black");
    const auto shown = ReadShownNumber(session.Display().displayText, locale);
    Require(shown.has_value(), "entry: display shows a number, its separator and a blank");
    Require(ReadsBackAs(shown->value, state.registers.CurValue, shown->decimals),
            "entry: display reads back as the entry's value");
}

void Input(HeadlessSession& session, const std::string& text, bool insMode,
           const LocaleSeparators& locale) {
    const SessionObservation before = Observe(session);
    const int beeps = session.Beeps();
    session.Machine().Calc().cmd_Input(text, insMode);
    if (session.Beeps() != beeps) {
        Require(Unchanged(before, Observe(session)), "entry: a refused key changes nothing");
        return;
    }
    Require(WithinEntryLimit(session.State().EntryText, locale.decimal),
            "entry: an accepted entry keeps to its length limit");
    CheckShownEntry(session, locale);
}

void Step(HeadlessSession& session, FuzzedDataProvider& data, const LocaleSeparators& locale) {
    switch (data.ConsumeIntegralInRange<int>(0, 6)) {
        case 0:
            return Input(session, KeyText(data, locale), false, locale);
        case 1: {
            const bool insMode = data.ConsumeBool();
            return Input(session, EntryLikeText(data, locale), insMode, locale);
        }
        case 2: {
            const bool insMode = data.ConsumeBool();
            return Input(session, data.ConsumeRandomLengthString(kMaxTextLength), insMode, locale);
        }
        case 3:
            session.SelectMode(data.ConsumeIntegralInRange<int>(0, kRoundModeCount - 1));
            break;
        case 4:
            session.Operate(static_cast<OpIndex>(data.ConsumeIntegralInRange<int>(1, 12)));
            break;
        case 5:
            session.Click(CommandIndex::Backspace);
            break;
        default:
            session.EndBlink();
            break;
    }
    Require(WithinEntryLimit(session.State().EntryText, locale.decimal),
            "entry: the entry keeps to its length limit");
}

}  // namespace
}  // namespace vantrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    vantrel::RunSession(bytes, size, vantrel::kMaxSteps, vantrel::Step);
    return 0;
}
