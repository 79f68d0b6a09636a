#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "commands/journal_record.h"
#include "shell/journal/journal_format.h"
#include "tests/commands/random_steps.h"
#include "tools/headless/headless_session.h"

namespace vantrel::testing {
namespace {

class RecordingJournal : public JournalPort {
  public:
    void Record(const JournalRecord& record) override { records.push_back(record); }
    void StartAfresh(const std::vector<JournalRecord>& fresh) override {
        records = fresh;
        ++freshStarts;
    }

    std::vector<JournalRecord> records;
    int freshStarts = 0;
};

// The report without what a replay leaves out on purpose: the tones, the boxes and the
// clipboard, which belong to the moment and not to the calculator.
std::string StateOf(const HeadlessSession& session) {
    std::ostringstream report;
    session.WriteReport(report);
    std::istringstream lines(report.str());
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("beeps\t") && !line.starts_with("messages\t") &&
            !line.starts_with("clipboard\t")) {
            kept += line + '\n';
        }
    }
    return kept;
}

void Take(HeadlessSession& session, const Step& step) {
    struct Taker {
        HeadlessSession& session;
        void operator()(const KeyStep& s) const { session.Click(s.index); }
        void operator()(const PushStep& s) const { session.PushAmount(s.wParam, s.lParam); }
        void operator()(const OperateStep& s) const {
            session.Machine().OperateMessage(static_cast<std::uint16_t>(s.op));
        }
        void operator()(const ModeStep& s) const { session.SelectMode(s.mode); }
        void operator()(const ClipboardStep& s) const { session.Clipboard().text = s.text; }
    };
    std::visit(Taker{session}, step);
    session.EndBlink();
}

// A calculator started afresh, with another option than the journalled one, then replayed.
std::string Replayed(const std::vector<JournalRecord>& records) {
    HeadlessSession replayed({.mode = 0, .separators = {}});
    replayed.Machine().Replay(records);
    return StateOf(replayed);
}

TEST(JournalReplay, RandomStreamsReplayedFromTheJournalGiveTheSameState) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        StepSource source(seed);
        HeadlessSession session;
        RecordingJournal journal;
        session.Machine().SetJournal(&journal);
        session.Machine().StartJournal();
        for (int k = 0; k < 400; ++k) {
            Take(session, source.Next());
            // Every prefix of the journal is a state the calculator was in.
            if (k % 97 == 0) {
                ASSERT_EQ(Replayed(journal.records), StateOf(session)) << "seed " << seed;
            }
        }
        ASSERT_EQ(Replayed(journal.records), StateOf(session)) << "seed " << seed;
        session.Machine().SetJournal(nullptr);
    }
}

TEST(JournalReplay, TheRecordsSurviveTheirBytes) {
    StepSource source(7);
    HeadlessSession session;
    RecordingJournal journal;
    session.Machine().SetJournal(&journal);
    session.Machine().StartJournal();
    for (int k = 0; k < 2'000; ++k) {
        Take(session, source.Next());
    }
    JournalEncoder encoder;
    std::string bytes = encoder.Header();
    for (const JournalRecord& record : journal.records) {
        bytes += encoder.Encode(record);
    }
    EXPECT_EQ(Replayed(DecodeJournal(bytes).records), StateOf(session));
    session.Machine().SetJournal(nullptr);
}

TEST(JournalReplay, NewStartsTheJournalAfreshWithOnlyWhatIsLeft) {
    HeadlessSession session({.mode = 2, .separators = {}});
    RecordingJournal journal;
    session.Machine().SetJournal(&journal);
    session.Machine().StartJournal();
    for (const CommandIndex index :
         {CommandIndex::Digit5, CommandIndex::MemoryAdd, CommandIndex::Digit3, CommandIndex::Add,
          CommandIndex::New, CommandIndex::Digit4}) {
        session.Click(index);
        session.EndBlink();
    }
    EXPECT_EQ(journal.freshStarts, 2);
    EXPECT_EQ(journal.records,
              (std::vector{JournalRecord::RoundOption(2), JournalRecord::Button(CommandIndex::New),
                           JournalRecord::Button(CommandIndex::Digit4)}));
    EXPECT_EQ(Replayed(journal.records), StateOf(session));
    session.Machine().SetJournal(nullptr);
}

TEST(JournalReplay, OnlyWhatChangesTheCalculatorIsJournalledAndAPasteKeepsItsText) {
    HeadlessSession session;
    RecordingJournal journal;
    session.Machine().SetJournal(&journal);
    session.Machine().StartJournal();
    for (const CommandIndex index :
         {CommandIndex::Copy, CommandIndex::PrintTape, CommandIndex::ShowHideTape}) {
        session.Click(index);
    }
    session.Clipboard().text = "12.5";
    session.Click(CommandIndex::Paste);
    session.EndBlink();
    session.Clipboard().text = "garbage";
    EXPECT_EQ(journal.records, (std::vector{JournalRecord::RoundOption(kFloatingPointMode),
                                            JournalRecord::Paste(std::string("12.5"))}));
    EXPECT_EQ(Replayed(journal.records), StateOf(session));
    session.Machine().SetJournal(nullptr);
}

TEST(JournalReplay, AReplayIsSilent) {
    HeadlessSession session;
    session.Machine().Replay(std::vector{JournalRecord::Operate(3), JournalRecord::Operate(3),
                                         JournalRecord::Button(CommandIndex::Digit1)});
    EXPECT_TRUE(session.State().ErrorState);
    EXPECT_EQ(session.Beeps(), 0);
    session.Click(CommandIndex::Digit1);
    EXPECT_EQ(session.Beeps(), 1);
}

}  // namespace
}  // namespace vantrel::testing
