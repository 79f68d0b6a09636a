#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <deque>
#include <exception>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/format_value.h"
#include "tests/commands/random_steps.h"
#include "tools/headless/headless_session.h"

// Random streams of keys, messages, mode switches and pastes through the headless wiring,
// each step checked against the rules that hold whatever came before it. A failure names its
// seed and the tokens that led to it; VANTREL_RANDOM_SEED=<n> runs that one seed alone.
namespace vantrel::testing {
namespace {

constexpr int kStreams = 160;
constexpr int kStepsPerStream = 400;
constexpr std::size_t kTokensShown = 40;
constexpr char kErrorText[] = "-Error- ";

struct StoredLine {
    std::string NumStr;
    int code;
    bool CLR;
    bool operator==(const StoredLine&) const = default;
};

// Everything a user or another program can read back after a step.
struct Observed {
    Registers registers;
    std::string entry;
    bool error;
    std::string display;
    Ink ink;
    std::string memoryLabel;
    std::string counterLabel;
    bool undo;
    int mode;
    std::optional<std::string> clipboard;
    bool tapeShown;
    std::size_t messages;
    int beeps;
    std::vector<StoredLine> tape;

    bool SameBut(const Observed& other, int moreBeeps) const {
        return registers == other.registers && entry == other.entry && error == other.error &&
               display == other.display && ink == other.ink && memoryLabel == other.memoryLabel &&
               counterLabel == other.counterLabel && undo == other.undo && mode == other.mode &&
               clipboard == other.clipboard && tapeShown == other.tapeShown &&
               messages == other.messages && beeps == other.beeps + moreBeeps && tape == other.tape;
    }
};

Observed Observe(HeadlessSession& session) {
    const CalcState& s = session.State();
    const RecordingDisplay& d = session.Display();
    Observed o{s.registers,
               s.EntryText,
               s.ErrorState,
               d.displayText,
               d.ink,
               d.memoryLabel,
               d.counterLabel,
               d.undoAvailable,
               session.Machine().Calc().SelectedRoundOption(),
               session.Clipboard().text,
               session.Window().tapeShown,
               session.Messages().size(),
               session.Beeps(),
               {}};
    const TapeLineStore& tape = session.Tape();
    for (std::int32_t k = 1; k <= tape.CurrentLine(); ++k) {
        const TapeLine line = tape.Line(k);
        o.tape.push_back({std::string(line.NumStr), LineCode(line.Op), line.CLR});
    }
    return o;
}

// The number a display text stands for and how many decimals it shows; nullopt for a text
// that is no number of the display's form.
struct ReadBack {
    double value;
    int decimals;
};

std::optional<ReadBack> ReadDisplay(const std::string& text, const LocaleSeparators& separators) {
    if (!text.ends_with(' ')) {
        return std::nullopt;
    }
    std::string plain;
    int decimals = -1;
    const std::string body = text.substr(0, text.size() - 1);
    for (std::size_t at = 0; at < body.size();) {
        if (body.compare(at, separators.group.size(), separators.group) == 0 && decimals < 0) {
            at += separators.group.size();
        } else if (body.compare(at, separators.decimal.size(), separators.decimal) == 0) {
            plain += '.';
            decimals = 0;
            at += separators.decimal.size();
        } else {
            decimals += decimals >= 0 ? 1 : 0;
            plain += body[at++];
        }
    }
    char* end = nullptr;
    const double value = std::strtod(plain.c_str(), &end);
    if (plain.empty() || end != plain.c_str() + plain.size()) {
        return std::nullopt;
    }
    return ReadBack{value, decimals < 0 ? 0 : decimals};
}

// What the display must show after a step: a value with its ink, or its text as before.
struct Shows {
    double value;
    Ink ink;
};
using DisplayRule = std::optional<Shows>;

Shows Result(double value) {
    return {value, value < 0 ? Ink::Red : Ink::Black};
}
Shows Entry(double value) {
    return {value, Ink::Black};
}

bool IsOperationKey(CommandIndex index) {
    const int value = ValueOf(index);
    return value == ValueOf(CommandIndex::ClearAll) ||
           value == ValueOf(CommandIndex::MemoryClear) ||
           (value >= ValueOf(CommandIndex::Subtract) && value <= ValueOf(CommandIndex::MemoryAdd));
}

std::int16_t OperationOfKey(CommandIndex index) {
    const int value = ValueOf(index);
    return static_cast<std::int16_t>(value <= ValueOf(CommandIndex::Clear) ? value : value - 13);
}

bool PassesGate(CommandIndex index) {
    return index == CommandIndex::ClearAll || index == CommandIndex::New ||
           index == CommandIndex::Undo;
}

// The shown value after an operation that completed, by operation number.
DisplayRule AfterOperation(std::int16_t op, const Observed& now) {
    const Registers& r = now.registers;
    switch (static_cast<OpIndex>(op)) {
        case OpIndex::Subtract:
        case OpIndex::Add:
            return Result(r.ShownValue);
        case OpIndex::Divide:
        case OpIndex::Multiply:
        case OpIndex::Percent:
        case OpIndex::Total:
        case OpIndex::MemoryRestore:
        case OpIndex::MemorySubtract:
        case OpIndex::MemoryAdd:
            return Result(r.CurValue);
        case OpIndex::ClearAll:
        case OpIndex::Clear:
            return Entry(r.ShownValue);
        case OpIndex::MemoryClear:
        default:
            return std::nullopt;
    }
}

class RandomStream {
  public:
    RandomStream(std::uint32_t seed, LocaleSeparators separators)
        : m_seed(seed),
          m_separators(separators),
          m_session({kFloatingPointMode, separators}),
          m_source(seed),
          m_now(Observe(m_session)),
          m_beforeLastOperation(m_now) {}

    // Runs the stream; false after the first step that broke a rule.
    bool Run(int steps) {
        for (int k = 0; k < steps; ++k) {
            const Step step = m_source.Next();
            RememberToken(step);
            const Observed before = m_now;
            // No failure may leave the calculator, and every line up to CurrentLine reads back.
            try {
                std::visit([&](const auto& s) { Apply(s); }, step);
                m_session.EndBlink();
                m_now = Observe(m_session);
            } catch (const std::exception& problem) {
                ADD_FAILURE() << "the step threw: " << problem.what();
                return false;
            }
            const bool tookSnapshot = CheckStep(step, before);
            if (::testing::Test::HasFailure()) {
                return false;
            }
            if (tookSnapshot) {
                m_beforeLastOperation = before;
            }
        }
        return true;
    }

    std::string Trace() const {
        std::ostringstream out;
        out << "seed " << m_seed << " (decimal '" << m_separators.decimal << "', group '"
            << m_separators.group << "'), the last tokens:";
        for (const std::string& token : m_tokens) {
            out << ' ' << token;
        }
        return out.str();
    }

  private:
    void Apply(const KeyStep& s) { m_session.Click(s.index); }
    void Apply(const PushStep& s) { m_session.PushAmount(s.wParam, s.lParam); }
    void Apply(const OperateStep& s) { m_session.Operate(static_cast<OpIndex>(s.op)); }
    void Apply(const ModeStep& s) { m_session.SelectMode(s.mode); }
    void Apply(const ClipboardStep& s) { m_session.Clipboard().text = s.text; }

    void RememberToken(const Step& step) {
        m_tokens.push_back(TokenOf(step));
        if (m_tokens.size() > kTokensShown) {
            m_tokens.pop_front();
        }
    }

    // Checks the rules of one step; true when the step took the undo snapshot.
    bool CheckStep(const Step& step, const Observed& before) {
        CheckTapeLines();
        CheckLabels();
        if (const auto* key = std::get_if<KeyStep>(&step)) {
            return CheckKey(key->index, before);
        }
        if (const auto* operate = std::get_if<OperateStep>(&step)) {
            return CheckOperation(operate->op, before);
        }
        CheckTapeKept(before);
        if (std::holds_alternative<PushStep>(step)) {
            CheckDisplay(before,
                         Refused(before) ? DisplayRule{} : Entry(m_now.registers.ShownValue));
        } else if (std::holds_alternative<ModeStep>(step)) {
            CheckDisplay(before, Entry(EntryValue()));
        } else {
            Observed unchanged = before;
            unchanged.clipboard = m_now.clipboard;
            EXPECT_TRUE(m_now.SameBut(unchanged, 0)) << "a clipboard text changed the machine";
        }
        return false;
    }

    bool CheckKey(CommandIndex index, const Observed& before) {
        if (before.error && !PassesGate(index)) {
            EXPECT_TRUE(m_now.SameBut(before, 1))
                << "key " << ValueOf(index) << " in the error state did more than beep";
            return false;
        }
        if (index == CommandIndex::Undo) {
            CheckUndo(before);
            return false;
        }
        if (index == CommandIndex::New) {
            CheckNew(before);
            return false;
        }
        if (IsOperationKey(index)) {
            return CheckOperation(OperationOfKey(index), before);
        }
        CheckTapeKept(before);
        CheckDisplay(before, KeyRule(index, before));
        return false;
    }

    DisplayRule KeyRule(CommandIndex index, const Observed& before) const {
        switch (index) {
            case CommandIndex::Copy:
            case CommandIndex::ShowHideTape:
            case CommandIndex::PrintTape:
                return std::nullopt;
            case CommandIndex::Clear:
                return Entry(m_now.registers.ShownValue);
            case CommandIndex::Paste:
                return Refused(before) ? DisplayRule{} : Result(m_now.registers.ShownValue);
            default:
                return Refused(before) ? DisplayRule{} : Entry(m_now.registers.ShownValue);
        }
    }

    bool CheckOperation(std::int16_t op, const Observed& before) {
        const bool snapshot = op != ValueOf(OpIndex::Clear);
        if (snapshot) {
            EXPECT_TRUE(m_now.undo) << "an operation left Undo unavailable";
        } else {
            EXPECT_EQ(m_now.undo, before.undo) << "Clear changed whether Undo is available";
        }
        CheckTapeKept(before);
        const bool failed = m_now.tape.size() > before.tape.size() && m_now.tape.back().code == -1;
        if (failed) {
            EXPECT_EQ(m_now.display, kErrorText);
            EXPECT_TRUE(m_now.error);
            EXPECT_EQ(m_now.entry, before.entry) << "a failed operation reset the entry";
            EXPECT_EQ(m_now.tape.back(), (StoredLine{"-Error-", -1, false}));
        } else {
            EXPECT_EQ(m_now.entry, "0") << "an operation left the entry";
            CheckDisplay(before, AfterOperation(op, m_now));
        }
        return snapshot;
    }

    void CheckUndo(const Observed& before) {
        if (!before.undo) {
            EXPECT_TRUE(m_now.SameBut(before, 0)) << "Undo without a snapshot changed something";
            return;
        }
        const Observed& kept = m_beforeLastOperation;
        EXPECT_FALSE(m_now.undo) << "Undo stays available";
        EXPECT_EQ(m_now.registers, kept.registers) << "Undo did not restore the registers";
        EXPECT_EQ(m_now.tape, kept.tape) << "Undo did not restore the tape";
        if (m_now.beeps != before.beeps) {
            return;
        }
        EXPECT_EQ(m_now.memoryLabel, kept.memoryLabel) << "Undo did not restore the memory label";
        EXPECT_EQ(m_now.counterLabel, kept.counterLabel) << "Undo did not restore the counter";
        EXPECT_FALSE(m_now.error);
        EXPECT_EQ(m_now.entry, "0");
        CheckDisplay(before, Result(m_now.registers.CurValue));
    }

    void CheckNew(const Observed& before) {
        HeadlessSession fresh({m_now.mode, m_separators});
        const Observed clean = Observe(fresh);
        EXPECT_EQ(m_now.registers, clean.registers) << "New left a register";
        EXPECT_TRUE(m_now.tape.empty()) << "New left the tape";
        EXPECT_EQ(m_now.entry, clean.entry);
        EXPECT_FALSE(m_now.error);
        EXPECT_FALSE(m_now.undo) << "Undo is offered after New";
        EXPECT_EQ(m_now.display, clean.display);
        EXPECT_EQ(m_now.ink, clean.ink);
        EXPECT_EQ(m_now.memoryLabel, clean.memoryLabel);
        EXPECT_EQ(m_now.counterLabel, clean.counterLabel);
        EXPECT_EQ(m_now.beeps, before.beeps);
        EXPECT_EQ(m_now.tapeShown, before.tapeShown);
    }

    bool Refused(const Observed& before) const { return m_now.beeps != before.beeps; }

    // The value the entry stands for, redrawn in the selected mode.
    double EntryValue() const {
        const auto read = ReadDisplay(m_now.entry + " ", {m_separators.decimal, "\x01"});
        const bool hundredths = m_now.mode == kAutoAdd2Mode && !m_session.State().EntryPushed;
        return read ? read->value / (hundredths ? 100 : 1) : std::nan("");
    }

    // Every stored line is well formed: a known code, the error line as written, red ink for a
    // negative amount.
    void CheckTapeLines() const {
        for (const StoredLine& line : m_now.tape) {
            const bool known = (line.code >= -2 && line.code <= 10) || line.code >= 100;
            EXPECT_TRUE(known) << "line code " << line.code;
            EXPECT_EQ(line.code == -1, line.NumStr == "-Error-") << line.NumStr;
            if (line.NumStr.starts_with('-')) {
                EXPECT_FALSE(line.CLR) << line.NumStr << " in normal ink";
            }
        }
    }

    // Outside the error state the labels show the registers.
    void CheckLabels() const {
        if (m_now.error) {
            return;
        }
        const auto memory =
            FormatValue(m_now.registers.MemValue, View::Memory, m_now.mode, m_separators);
        ASSERT_TRUE(memory.has_value()) << "a memory of " << m_now.registers.MemValue;
        EXPECT_EQ(m_now.memoryLabel, *memory + " ");
        EXPECT_EQ(m_now.counterLabel, std::to_string(m_now.registers.ItemCount) + " ");
    }

    // A step other than Undo and New only appends lines.
    void CheckTapeKept(const Observed& before) const {
        ASSERT_GE(m_now.tape.size(), before.tape.size()) << "lines left the tape";
        for (std::size_t k = 0; k < before.tape.size(); ++k) {
            ASSERT_EQ(m_now.tape[k], before.tape[k]) << "line " << k + 1 << " changed";
        }
    }

    // The display is "-Error- " only in the error state; otherwise it reads back to the value
    // it must show, within the digits it shows, in the right ink.
    void CheckDisplay(const Observed& before, const DisplayRule& rule) const {
        if (m_now.display == kErrorText) {
            EXPECT_TRUE(m_now.error)
                << "the display shows " << kErrorText << "outside the error state";
            return;
        }
        if (!rule) {
            EXPECT_EQ(m_now.display, before.display) << "the display changed";
            EXPECT_EQ(m_now.ink, before.ink) << "the display's ink changed";
            return;
        }
        const auto read = ReadDisplay(m_now.display, m_separators);
        ASSERT_TRUE(read.has_value()) << "the display shows '" << m_now.display << "'";
        const double magnitude = std::fabs(rule->value);
        const double lastPlace = 0.5 * std::pow(10.0, -read->decimals);
        const double sixteenthDigit =
            magnitude == 0 ? 0 : std::pow(10.0, std::floor(std::log10(magnitude)) - 14);
        const double tolerance = (lastPlace + sixteenthDigit) * (1 + 1e-9);
        EXPECT_LE(std::fabs(read->value - rule->value), tolerance)
            << "the display '" << m_now.display << "' stands for " << rule->value;
        EXPECT_EQ(m_now.ink, rule->ink) << "the display '" << m_now.display << "' in the wrong ink";
    }

    std::uint32_t m_seed;
    LocaleSeparators m_separators;
    HeadlessSession m_session;
    StepSource m_source;
    Observed m_now;
    Observed m_beforeLastOperation;
    std::deque<std::string> m_tokens;
};

std::vector<std::uint32_t> Seeds() {
    if (const char* chosen = std::getenv("VANTREL_RANDOM_SEED")) {
        return {static_cast<std::uint32_t>(std::strtoul(chosen, nullptr, 10))};
    }
    std::vector<std::uint32_t> seeds;
    for (int k = 1; k <= kStreams; ++k) {
        seeds.push_back(static_cast<std::uint32_t>(k));
    }
    return seeds;
}

void RunStreams(const LocaleSeparators& separators) {
    for (const std::uint32_t seed : Seeds()) {
        RandomStream stream(seed, separators);
        if (!stream.Run(kStepsPerStream)) {
            ADD_FAILURE() << stream.Trace();
            return;
        }
    }
}

TEST(RandomStreams, KeepEveryRuleAfterEveryStep) {
    RunStreams({});
}

TEST(RandomStreams, KeepEveryRuleWithACommaForDecimals) {
    RunStreams({",", "."});
}

}  // namespace
}  // namespace vantrel::testing
