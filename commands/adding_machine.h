#pragma once

#include <cstdint>
#include <span>

#include "commands/command_ports.h"
#include "commands/dispatcher.h"
#include "commands/journal_record.h"
#include "commands/keyboard_map.h"
#include "commands/replay_ports.h"
#include "core/calculator.h"
#include "core/locale_separators.h"
#include "core/ports.h"

namespace vantrel {

struct AddingMachinePorts {
    DisplayPort& display;
    BlinkTimer& timer;
    TonePort& tones;
    TapePort& tape;
    ClipboardPort& clipboard;
    WindowPort& window;
};

// The calculator with its two roads in, the dispatcher of the keypad and the keyboard mapping,
// wired once for the window and for the headless session alike. Everything that can change
// the calculator's state comes in through here, so here it is journalled, before it acts.
class AddingMachine : public CommandTarget {
  public:
    AddingMachine(AddingMachinePorts ports, LocaleSeparators separators);

    // Start-up before the settings are applied: the empty memory label, the entry at "0".
    void Start();

    void theButton_Click(CommandIndex Index) override;
    void RoundOpt_Click(int index) override;
    bool UndoAvailable() const override { return m_calculator.UndoAvailable(); }
    // The two messages of another program.
    void PushAmountMessage(std::uint32_t wParam, std::uint32_t lParam);
    void OperateMessage(std::uint32_t wParam);

    // Null: nothing is journalled. The journal must outlive the machine or be unset first.
    void SetJournal(JournalPort* journal) { m_journal = journal; }
    // Starts the journal of a calculator just started: its option is all it was told.
    void StartJournal() { StartJournalWith(false); }
    // Runs records as they were first run, silently and without journalling them, each with
    // its result blink ended.
    void Replay(std::span<const JournalRecord> records);

    Calculator& Calc() { return m_calculator; }
    const Calculator& Calc() const { return m_calculator; }
    Dispatcher& Commands() { return m_dispatcher; }
    KeyboardMapping& Keyboard() { return m_keyboard; }

  private:
    // Replaces the journal with the option and, after New, New itself: all that is needed to
    // rebuild what is left.
    void StartJournalWith(bool afterNew);
    void Journal(const JournalRecord& record);
    void Run(const JournalRecord& record);

    ClipboardPort& m_clipboard;
    SilenceableTones m_tones;
    PinnableClipboard m_pinnedClipboard;
    JournalPort* m_journal = nullptr;
    Calculator m_calculator;
    Dispatcher m_dispatcher;
    KeyboardMapping m_keyboard;
};

}  // namespace vantrel
