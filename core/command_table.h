#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/vocabulary.h"

namespace vantrel {

// One keypad command: its index, its name in token streams (the enumerator's own), the engine
// operation it runs if it runs one, the tooltip of its key (quoted exactly, typos included;
// empty for the keys without one) and the name the key is spoken by.
struct Command {
    CommandIndex index;
    std::string_view name;
    std::optional<OpIndex> operation;
    std::string_view toolTip;
    std::string_view accessibleName;
};

inline constexpr std::array<Command, kCommandCount> kCommands{{
    {CommandIndex::Digit0, "Digit0", {}, "", "0"},
    {CommandIndex::Digit1, "Digit1", {}, "", "1"},
    {CommandIndex::Digit2, "Digit2", {}, "", "2"},
    {CommandIndex::Digit3, "Digit3", {}, "", "3"},
    {CommandIndex::Digit4, "Digit4", {}, "", "4"},
    {CommandIndex::Digit5, "Digit5", {}, "", "5"},
    {CommandIndex::Digit6, "Digit6", {}, "", "6"},
    {CommandIndex::Digit7, "Digit7", {}, "", "7"},
    {CommandIndex::Digit8, "Digit8", {}, "", "8"},
    {CommandIndex::Digit9, "Digit9", {}, "", "9"},
    {CommandIndex::ClearAll, "ClearAll", OpIndex::ClearAll, "Clear All (Ctrl+Del)", "Clear All"},
    {CommandIndex::MemoryClear, "MemoryClear", OpIndex::MemoryClear, "Memory Clear (Shift+Del)",
     "Memory Clear"},
    {CommandIndex::Clear, "Clear", OpIndex::Clear, "Clear (Del)", "Clear"},
    {CommandIndex::Backspace, "Backspace", {}, "Backspace", "Backspace"},
    {CommandIndex::Subtract, "Subtract", OpIndex::Subtract, "Subtract", "Subtract"},
    {CommandIndex::Add, "Add", OpIndex::Add, "Add", "Add"},
    {CommandIndex::Divide, "Divide", OpIndex::Divide, "Divide", "Divide"},
    {CommandIndex::Multiply, "Multiply", OpIndex::Multiply, "Multiply", "Multiply"},
    {CommandIndex::Percent, "Percent", OpIndex::Percent, "PerCent", "Percent"},
    {CommandIndex::Total, "Total", OpIndex::Total, "Total (Enter)", "Total"},
    {CommandIndex::MemoryRestore, "MemoryRestore", OpIndex::MemoryRestore,
     "Memory Restore (Shift+Enter)", "Memory Restore"},
    {CommandIndex::MemorySubtract, "MemorySubtract", OpIndex::MemorySubtract,
     "Memory Subtract (Shift+ \"-\")", "Memory Subtract"},
    {CommandIndex::MemoryAdd, "MemoryAdd", OpIndex::MemoryAdd, "Memory Add (Shift+ \"+\")",
     "Memory Add"},
    {CommandIndex::Copy, "Copy", {}, "Copy (Ctrl+C)", "Copy"},
    {CommandIndex::Paste, "Paste", {}, "Paste (Ctrl+V)", "Paste"},
    {CommandIndex::ShowHideTape,
     "ShowHideTape",
     {},
     "Show \\ Hide Tape (Ctrl+Spacebar)",
     "Show or Hide Tape"},
    {CommandIndex::DoubleZero, "DoubleZero", {}, "(Spacebar)", "Double Zero"},
    {CommandIndex::DecimalPoint, "DecimalPoint", {}, "", "Decimal Point"},
    {CommandIndex::PrintTape, "PrintTape", {}, "Print Tape (Ctrl+P)", "Print Tape"},
    {CommandIndex::New, "New", {}, "New (Ctrl+N)", "New"},
    {CommandIndex::Undo, "Undo", {}, "Undo (Ctrl+Z)", "Undo"},
}};

// The row of a valid command index.
constexpr const Command& CommandOf(CommandIndex index) {
    return kCommands[static_cast<std::size_t>(ValueOf(index))];
}

// By the names of the table, as token streams write them: "Add", "Digit7".
constexpr std::optional<CommandIndex> CommandNamed(std::string_view name) {
    for (const Command& command : kCommands) {
        if (command.name == name) {
            return command.index;
        }
    }
    return std::nullopt;
}
// An operation goes by the name of the key that runs it.
constexpr std::optional<OpIndex> OperationNamed(std::string_view name) {
    const auto index = CommandNamed(name);
    return index ? CommandOf(*index).operation : std::nullopt;
}

namespace command_table_checks {

constexpr bool RowsStandAtTheirIndex() {
    for (std::size_t k = 0; k < kCommands.size(); ++k) {
        if (static_cast<std::size_t>(ValueOf(kCommands[k].index)) != k) {
            return false;
        }
    }
    return true;
}

// Clear All, Memory Clear and Clear run the operation of their own number; Subtract to Memory
// Add run the operation thirteen below theirs; no other command runs one.
constexpr bool OperationsFollowTheirKeys() {
    constexpr int kItemOffset = ValueOf(CommandIndex::Subtract) - ValueOf(OpIndex::Subtract);
    for (const Command& command : kCommands) {
        const int index = ValueOf(command.index);
        const bool sameNumber =
            command.index >= CommandIndex::ClearAll && command.index <= CommandIndex::Clear;
        const bool item =
            command.index >= CommandIndex::Subtract && command.index <= CommandIndex::MemoryAdd;
        if (!sameNumber && !item) {
            if (command.operation) {
                return false;
            }
            continue;
        }
        if (!command.operation ||
            ValueOf(*command.operation) != (sameNumber ? index : index - kItemOffset)) {
            return false;
        }
    }
    return true;
}

static_assert(RowsStandAtTheirIndex());
static_assert(OperationsFollowTheirKeys());

}  // namespace command_table_checks

}  // namespace vantrel
