#include "commands/adding_machine.h"

#include <utility>

#include "commands/message_calls.h"

namespace vantrel {

AddingMachine::AddingMachine(AddingMachinePorts ports, LocaleSeparators separators)
    : m_clipboard(ports.clipboard),
      m_tones(ports.tones),
      m_pinnedClipboard(ports.clipboard),
      m_calculator({ports.display, ports.timer, m_tones, ports.tape}, std::move(separators)),
      m_dispatcher(m_calculator, ports.tape, m_pinnedClipboard, ports.window, m_tones),
      m_keyboard(*this, ports.window) {}

void AddingMachine::Start() {
    m_calculator.ShowEmptyMemory();
    m_calculator.StartEntry();
}

void AddingMachine::theButton_Click(CommandIndex Index) {
    if (!IsJournalled(Index)) {
        return m_dispatcher.theButton_Click(Index);
    }
    // A paste is journalled with the text it takes, so that a replay takes the same.
    const JournalRecord record = Index == CommandIndex::Paste
                                     ? JournalRecord::Paste(m_clipboard.Text())
                                     : JournalRecord::Button(Index);
    if (Index == CommandIndex::New) {
        StartJournalWith(true);
    } else {
        Journal(record);
    }
    Run(record);
}

void AddingMachine::RoundOpt_Click(int index) {
    const JournalRecord record = JournalRecord::RoundOption(index);
    if (IsValidRecord(record)) {
        Journal(record);
    }
    m_calculator.RoundOpt_Click(index);
}

void AddingMachine::PushAmountMessage(std::uint32_t wParam, std::uint32_t lParam) {
    const JournalRecord record = JournalRecord::PushAmount(wParam, lParam);
    Journal(record);
    Run(record);
}

void AddingMachine::OperateMessage(std::uint32_t wParam) {
    const JournalRecord record = JournalRecord::Operate(wParam);
    Journal(record);
    Run(record);
}

void AddingMachine::StartJournalWith(bool afterNew) {
    if (m_journal == nullptr) {
        return;
    }
    std::vector<JournalRecord> records;
    const JournalRecord option = JournalRecord::RoundOption(m_calculator.SelectedRoundOption());
    if (IsValidRecord(option)) {
        records.push_back(option);
    }
    if (afterNew) {
        records.push_back(JournalRecord::Button(CommandIndex::New));
    }
    m_journal->StartAfresh(records);
}

void AddingMachine::Replay(std::span<const JournalRecord> records) {
    m_tones.SetSilent(true);
    for (const JournalRecord& record : records) {
        Run(record);
        m_calculator.Timer1_Timer();
    }
    m_tones.SetSilent(false);
}

void AddingMachine::Journal(const JournalRecord& record) {
    if (m_journal != nullptr) {
        m_journal->Record(record);
    }
}

void AddingMachine::Run(const JournalRecord& record) {
    switch (record.kind) {
        case JournalKind::Button:
            return m_dispatcher.theButton_Click(static_cast<CommandIndex>(record.first));
        case JournalKind::Paste:
            m_pinnedClipboard.Pin(record.text);
            m_dispatcher.theButton_Click(CommandIndex::Paste);
            return m_pinnedClipboard.Unpin();
        case JournalKind::PushAmount:
            return vantrel::PushAmountMessage(m_calculator, record.first, record.second);
        case JournalKind::Operate:
            return vantrel::OperateMessage(m_calculator, record.first);
        case JournalKind::RoundOption:
            return m_calculator.RoundOpt_Click(static_cast<int>(record.first));
    }
}

}  // namespace vantrel
