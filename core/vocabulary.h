#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "core/tape_line.h"

// The small numbers a key press travels as, each with its names: the command index of a
// keypad key, the operation index of the engine, the arithmetic code of Calculate, the tape
// line code (core/tape_line.h), and beside them the rounding/input modes and the tape image
// modes. Where two of them share values on purpose, a static_assert below says so.
namespace vantrel {

template <typename Enum>
constexpr std::underlying_type_t<Enum> ValueOf(Enum value) {
    return static_cast<std::underlying_type_t<Enum>>(value);
}

// The index of a keypad button and of the command it runs; the table is core/command_table.h.
enum class CommandIndex : std::int16_t {
    Digit0 = 0,
    Digit1 = 1,
    Digit2 = 2,
    Digit3 = 3,
    Digit4 = 4,
    Digit5 = 5,
    Digit6 = 6,
    Digit7 = 7,
    Digit8 = 8,
    Digit9 = 9,
    ClearAll = 10,
    MemoryClear = 11,
    Clear = 12,
    Backspace = 13,
    Subtract = 14,
    Add = 15,
    Divide = 16,
    Multiply = 17,
    Percent = 18,
    Total = 19,
    MemoryRestore = 20,
    MemorySubtract = 21,
    MemoryAdd = 22,
    Copy = 23,
    Paste = 24,
    ShowHideTape = 25,
    DoubleZero = 26,
    DecimalPoint = 27,
    PrintTape = 28,
    New = 29,
    Undo = 30,
};
inline constexpr int kCommandCount = 31;

constexpr bool IsCommandIndex(CommandIndex index) {
    return ValueOf(index) >= 0 && ValueOf(index) < kCommandCount;
}
constexpr bool IsDigit(CommandIndex index) {
    return ValueOf(index) >= ValueOf(CommandIndex::Digit0) &&
           ValueOf(index) <= ValueOf(CommandIndex::Digit9);
}

// The argument of cmd_Operate. The message interface passes any 16-bit value, so a value
// outside these names is a valid OpIndex too; the engine only closes on it.
enum class OpIndex : std::int16_t {
    Subtract = 1,
    Add = 2,
    Divide = 3,
    Multiply = 4,
    Percent = 5,
    Total = 6,
    MemoryRestore = 7,
    MemorySubtract = 8,
    MemoryAdd = 9,
    ClearAll = 10,
    MemoryClear = 11,
    Clear = 12,
};

// The code of Calculate. The register PendingOp holds one: Operand while nothing is pending,
// so that completing "no operation" gives the operand itself.
enum class ArithmeticCode : std::int16_t {
    Operand = 0,
    Subtract = 1,
    Add = 2,
    Divide = 3,
    Multiply = 4,
};

// Subtract, Add, Divide and Multiply calculate with the code of their own number.
constexpr ArithmeticCode ArithmeticOf(OpIndex op) {
    return static_cast<ArithmeticCode>(ValueOf(op));
}
static_assert(ArithmeticOf(OpIndex::Subtract) == ArithmeticCode::Subtract);
static_assert(ArithmeticOf(OpIndex::Add) == ArithmeticCode::Add);
static_assert(ArithmeticOf(OpIndex::Divide) == ArithmeticCode::Divide);
static_assert(ArithmeticOf(OpIndex::Multiply) == ArithmeticCode::Multiply);

// Memory Subtract and Memory Add work on the memory with the codes of Subtract and Add.
constexpr ArithmeticCode MemoryArithmeticOf(OpIndex op) {
    return static_cast<ArithmeticCode>(ValueOf(op) - ValueOf(OpIndex::MemoryRestore));
}
static_assert(MemoryArithmeticOf(OpIndex::MemorySubtract) == ArithmeticCode::Subtract);
static_assert(MemoryArithmeticOf(OpIndex::MemoryAdd) == ArithmeticCode::Add);

// The line an item or a memory operation writes: Subtract to Multiply their own number,
// Memory Subtract and Memory Add three less.
constexpr TapeOp TapeOpOf(OpIndex op) {
    const bool memory = op == OpIndex::MemorySubtract || op == OpIndex::MemoryAdd;
    return static_cast<TapeOp>(ValueOf(op) - (memory ? 3 : 0));
}
static_assert(TapeOpOf(OpIndex::Subtract) == TapeOpSubtract);
static_assert(TapeOpOf(OpIndex::Add) == TapeOpAdd);
static_assert(TapeOpOf(OpIndex::Divide) == TapeOpDivide);
static_assert(TapeOpOf(OpIndex::Multiply) == TapeOpMultiply);
static_assert(TapeOpOf(OpIndex::MemorySubtract) == TapeOpMemorySubtract);
static_assert(TapeOpOf(OpIndex::MemoryAdd) == TapeOpMemoryAdd);

// Rounding/input modes: the index of the selected option button, and the value stored in the
// settings. Modes 1 to 4 are that many decimal places.
inline constexpr int kIntegerMode = 0;
inline constexpr int kAutoAdd2Mode = 5;
inline constexpr int kFloatingPointMode = 6;
inline constexpr int kRoundModeCount = 7;

inline constexpr std::array<std::string_view, kRoundModeCount> kRoundModeNames{
    "Integer", "OnePlace", "TwoPlaces", "ThreePlaces", "FourPlaces", "AutoAdd2", "FloatingPoint"};

// What an image of the tape shows.
enum class TapeImageMode : std::int16_t {
    WholeTape = 1,
    VisibleLines = 2,
    LastCalculation = 3,
};

// Page Up or Page Down on the tape.
enum class PageDirection { Up, Down };

}  // namespace vantrel
