#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <variant>

#include "core/vocabulary.h"

// Random steps of a user and of other programs, each written the way vantrel-replay reads it,
// so that a failing stream can be replayed by hand.
namespace vantrel::testing {

struct KeyStep {
    CommandIndex index;
};
struct PushStep {
    std::uint32_t wParam;
    std::uint32_t lParam;
};
struct OperateStep {
    std::int16_t op;
};
struct ModeStep {
    int mode;
};
struct ClipboardStep {
    std::string text;
};
using Step = std::variant<KeyStep, PushStep, OperateStep, ModeStep, ClipboardStep>;

inline std::string PercentEncoded(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const unsigned char c : text) {
        const bool plain = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || c == '.';
        encoded += plain ? std::string(1, static_cast<char>(c))
                         : std::string{'%', kHex[c >> 4], kHex[c & 15]};
    }
    return encoded;
}

inline std::string TokenOf(const Step& step) {
    struct Writer {
        std::string operator()(const KeyStep& s) const {
            return "k" + std::to_string(ValueOf(s.index));
        }
        std::string operator()(const PushStep& s) const {
            return "in" + std::to_string(s.wParam) + "," + std::to_string(s.lParam);
        }
        std::string operator()(const OperateStep& s) const { return "op" + std::to_string(s.op); }
        std::string operator()(const ModeStep& s) const { return "mode" + std::to_string(s.mode); }
        std::string operator()(const ClipboardStep& s) const {
            return "clip:" + PercentEncoded(s.text);
        }
    };
    return std::visit(Writer{}, step);
}

// Leans on what a bookkeeper does, with every other road in mixed in: amounts pushed across
// the 64-bit range, operation numbers in and out of range, texts good and bad to paste.
class StepSource {
  public:
    explicit StepSource(std::uint32_t seed) : m_random(seed) {}

    Step Next() {
        const int roll = Below(100);
        if (roll < 30) {
            return KeyStep{static_cast<CommandIndex>(Below(10))};
        }
        if (roll < 62) {
            static constexpr CommandIndex kOthers[] = {
                CommandIndex::ClearAll,
                CommandIndex::MemoryClear,
                CommandIndex::Clear,
                CommandIndex::Backspace,
                CommandIndex::Backspace,
                CommandIndex::Subtract,
                CommandIndex::Add,
                CommandIndex::Add,
                CommandIndex::Add,
                CommandIndex::Divide,
                CommandIndex::Multiply,
                CommandIndex::Percent,
                CommandIndex::Total,
                CommandIndex::Total,
                CommandIndex::MemoryRestore,
                CommandIndex::MemoryAdd,
                CommandIndex::MemorySubtract,
                CommandIndex::Copy,
                CommandIndex::Paste,
                CommandIndex::ShowHideTape,
                CommandIndex::DoubleZero,
                CommandIndex::DecimalPoint,
                CommandIndex::PrintTape,
                CommandIndex::Undo,
                CommandIndex::Undo,
                CommandIndex::Undo,
                CommandIndex::Undo,
            };
            return KeyStep{kOthers[Below(std::size(kOthers))]};
        }
        if (roll < 63) {
            return KeyStep{CommandIndex::New};
        }
        if (roll < 73) {
            return Pushed();
        }
        if (roll < 83) {
            static constexpr std::int16_t kOps[] = {1, 2,  2,  3,  4, 5,  6,  6,     7,     8,
                                                    9, 10, 11, 12, 0, 13, -1, 32767, -32768};
            return OperateStep{kOps[Below(std::size(kOps))]};
        }
        if (roll < 90) {
            return ModeStep{static_cast<int>(Below(kRoundModeCount))};
        }
        return ClipboardStep{PasteText()};
    }

  private:
    std::size_t Below(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(m_random);
    }

    PushStep Pushed() {
        std::int64_t amount = 0;
        const int kind = static_cast<int>(Below(10));
        if (kind < 6) {
            amount =
                std::uniform_int_distribution<std::int64_t>(-100'000'000, 100'000'000)(m_random);
        } else if (kind < 9) {
            amount = std::uniform_int_distribution<std::int64_t>(-100'000'000'000'000,
                                                                 100'000'000'000'000)(m_random);
        } else {
            static constexpr std::int64_t kEnds[] = {0, 1, -1, INT64_MAX, INT64_MIN, 15000};
            amount = kEnds[Below(std::size(kEnds))];
        }
        const auto bits = static_cast<std::uint64_t>(amount);
        return {static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
    }

    std::string PasteText() {
        static const char* const kTexts[] = {"12",
                                             " 1,250.75 ",
                                             "-3.5",
                                             "1e3",
                                             "0,5",
                                             "abc",
                                             "",
                                             "inf",
                                             "nan",
                                             "99999999999999999999",
                                             "+7",
                                             "0.000000001",
                                             "1,234,567.891",
                                             "-0.004",
                                             "1e15",
                                             "999999999999999",
                                             "5.",
                                             "123456789012.3456"};
        return kTexts[Below(std::size(kTexts))];
    }

    std::mt19937 m_random;
};

}  // namespace vantrel::testing
