#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "commands/message_calls.h"
#include "fuzz/invariant.h"
#include "fuzz/session_observation.h"
#include "fuzz/session_run.h"

// The two calls another program makes, with any 32-bit values, interleaved with keys, clicks
// and mode changes: a pushed amount is taken only when the entry rules take it, and then at
// face value; the tape's count is always the number of lines a reader can read.
namespace vantrel {
namespace {

constexpr std::size_t kMaxSteps = 64;
constexpr std::int64_t kScale = 10'000;

// The amount written plain, worked out apart from the calculator: a sign, the whole part and
// the fraction without its trailing zeros.
std::string PlainAmount(std::int64_t amount, const std::string& separator) {
    const __int128 wide = amount;
    const unsigned __int128 magnitude = wide < 0 ? -wide : wide;
    std::string text = wide < 0 ? "-" : "";
    std::string whole;
    for (unsigned __int128 rest = magnitude / kScale; whole.empty() || rest != 0; rest /= 10) {
        whole.insert(whole.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
    }
    text += whole;
    std::string fraction = std::to_string(static_cast<int>(magnitude % kScale) + kScale).substr(1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        text += separator + fraction;
    }
    return text;
}

void PushAmount(HeadlessSession& session, std::uint32_t wParam, std::uint32_t lParam,
                const LocaleSeparators& locale) {
    const SessionObservation before = Observe(session);
    const int beeps = session.Beeps();
    PushAmountMessage(session.Machine().Calc(), wParam, lParam);
    const auto amount = static_cast<std::int64_t>((std::uint64_t{lParam} << 32) | wParam);
    const std::string text = PlainAmount(amount, locale.decimal);
    if (!WithinEntryLimit(text, locale.decimal)) {
        Require(session.Beeps() == beeps + 1, "message: an amount too long for entry is refused");
        Require(Unchanged(before, Observe(session)), "message: a refused amount changes nothing");
        return;
    }
    Require(session.Beeps() == beeps, "message: an amount that fits the entry is taken");
    const CalcState& state = session.State();
    Require(state.EntryText == text, "message: the entry holds the amount's plain text");
    // The nearest double to the decimal amount, which dividing a 64-bit amount cannot give.
    const std::string plain = PlainAmount(amount, ".");
    double expected = 0;
    std::from_chars(plain.data(), plain.data() + plain.size(), expected);
    Require(Same(state.registers.CurValue, expected) && Same(state.registers.ShownValue, expected),
            "message: the amount is taken at face value in every mode");
}

// What the session-bus service reads back: every line up to the count.
void CheckTapeReadable(const HeadlessSession& session) {
    const TapeLineStore& tape = session.Tape();
    Require(tape.CurrentLine() >= 0, "message: the tape count is not negative");
    Require(static_cast<std::size_t>(tape.CurrentLine()) <= tape.StoredLineCount(),
            "message: the tape count never passes its stored lines");
    try {
        for (std::int32_t k = 1; k <= tape.CurrentLine(); ++k) {
            static_cast<void>(tape.Line(k));
        }
    } catch (const std::out_of_range&) {
        Require(false, "message: every line up to the count is readable");
    }
    const Snapshot& snapshot = session.State().UndoSnapshot;
    Require(!session.Display().undoAvailable ||
                static_cast<std::size_t>(snapshot.TapeLineCount) <= tape.StoredLineCount(),
            "message: an undo can only go back to lines still stored");
}

std::uint32_t OperationWord(FuzzedDataProvider& data) {
    return data.ConsumeBool() ? data.ConsumeIntegralInRange<std::uint32_t>(0, 13)
                              : data.ConsumeIntegral<std::uint32_t>();
}

void Step(HeadlessSession& session, FuzzedDataProvider& data, const LocaleSeparators& locale) {
    switch (data.ConsumeIntegralInRange<int>(0, 6)) {
        case 0: {
            const auto wParam = data.ConsumeIntegral<std::uint32_t>();
            const auto lParam = data.ConsumeBool()
                                    ? data.ConsumeIntegralInRange<std::uint32_t>(0, 0x7F)
                                    : data.ConsumeIntegral<std::uint32_t>();
            PushAmount(session, wParam, lParam, locale);
            break;
        }
        case 1:
            OperateMessage(session.Machine().Calc(), OperationWord(data));
            break;
        case 2:
            session.Click(
                static_cast<CommandIndex>(data.ConsumeIntegralInRange<int>(0, kCommandCount - 1)));
            break;
        case 3:
            session.KeyDown(data.ConsumeIntegralInRange<int>(0, 0xFF),
                            data.ConsumeIntegralInRange<int>(0, 7));
            break;
        case 4:
            session.KeyUp(data.ConsumeIntegralInRange<int>(0, 0xFF));
            break;
        case 5:
            session.SelectMode(data.ConsumeIntegralInRange<int>(0, kRoundModeCount - 1));
            break;
        default:
            session.EndBlink();
            break;
    }
    Require(WithinEntryLimit(session.State().EntryText, locale.decimal),
            "message: the entry keeps to its length limit");
    CheckTapeReadable(session);
}

}  // namespace
}  // namespace vantrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    vantrel::RunSession(bytes, size, vantrel::kMaxSteps, vantrel::Step);
    return 0;
}
