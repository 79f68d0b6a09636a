#include "shell/journal/journal_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "shell/journal/calculator_journal.h"
#include "shell/journal/journal_folder.h"
#include "shell/journal/journal_format.h"
#include "shell/journal/journal_sync.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

// A journal folder of the test's own, removed afterwards.
class JournalFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vantrel-journal-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
    }
    void TearDown() override { fs::remove_all(m_root); }

    fs::path Folder() const { return m_root / "Vantrel"; }

    std::vector<fs::path> Journals() const {
        std::vector<fs::path> found;
        if (fs::exists(Folder())) {
            for (const auto& entry : fs::directory_iterator(Folder())) {
                found.push_back(entry.path());
            }
        }
        return found;
    }

    static std::string Bytes(const std::vector<JournalRecord>& records) {
        JournalEncoder encoder;
        std::string bytes = encoder.Header();
        for (const JournalRecord& record : records) {
            bytes += encoder.Encode(record);
        }
        return bytes;
    }

    void WriteJournal(const std::string& name, const std::string& bytes,
                      fs::file_time_type written) const {
        fs::create_directories(Folder());
        std::ofstream(Folder() / name, std::ios::binary) << bytes;
        fs::last_write_time(Folder() / name, written);
    }

    fs::path m_root;
};

const std::vector<JournalRecord> kSome = {JournalRecord::RoundOption(2),
                                          JournalRecord::PushAmount(15000, 0),
                                          JournalRecord::Button(CommandIndex::Add)};

TEST(JournalFolderPath, StateHomeFirstThenHome) {
    EXPECT_EQ(JournalFolderPath("/s", "/h"), fs::path("/s/Vantrel"));
    EXPECT_EQ(JournalFolderPath(nullptr, "/h"), fs::path("/h/.local/state/Vantrel"));
    EXPECT_EQ(JournalFolderPath("relative", "/h"), fs::path("/h/.local/state/Vantrel"));
    EXPECT_EQ(JournalFolderPath(nullptr, nullptr), std::nullopt);
}

TEST_F(JournalFolderTest, AJournalHeldByARunningCopyIsNeverClaimed) {
    auto held = JournalFile::Create(Folder());
    ASSERT_TRUE(held);
    EXPECT_TRUE(IsJournalName(held->Path()));
    EXPECT_FALSE(JournalFile::Claim(held->Path()));
    EXPECT_FALSE(ClaimNewestJournal(Folder()));
    const fs::path path = held->Path();
    held.reset();
    EXPECT_TRUE(JournalFile::Claim(path));
}

TEST_F(JournalFolderTest, TheNewestJournalWhoseCopyIsGoneIsRestoredAndTakenOver) {
    const auto now = fs::file_time_type::clock::now();
    WriteJournal("journal-1-1.vjl", Bytes({JournalRecord::RoundOption(1)}),
                 now - std::chrono::hours(2));
    WriteJournal("journal-2-2.vjl", Bytes(kSome), now - std::chrono::hours(1));
    WriteJournal("other-file", Bytes({JournalRecord::RoundOption(3)}), now);
    const auto running = JournalFile::Create(Folder());  // the newest, but its copy runs
    ASSERT_TRUE(running);

    CalculatorJournal::Opened first = CalculatorJournal::Open(Folder());
    ASSERT_TRUE(first.journal);
    EXPECT_EQ(first.restore, kSome);
    EXPECT_EQ(first.journal->Path(), Folder() / "journal-2-2.vjl");

    CalculatorJournal::Opened second = CalculatorJournal::Open(Folder());
    EXPECT_EQ(second.restore, std::vector{JournalRecord::RoundOption(1)});
    CalculatorJournal::Opened third = CalculatorJournal::Open(Folder());
    EXPECT_TRUE(third.restore.empty());
    ASSERT_TRUE(third.journal);
    EXPECT_EQ(Journals().size(), 5u);
}

TEST_F(JournalFolderTest, ATakenOverJournalGoesOnAfterItsLastWholeRecord) {
    WriteJournal("journal-1-1.vjl", Bytes(kSome) + "torn record", fs::file_time_type::clock::now());
    {
        CalculatorJournal::Opened opened = CalculatorJournal::Open(Folder());
        ASSERT_EQ(opened.restore, kSome);
        opened.journal->Record(JournalRecord::Button(CommandIndex::Total));
    }  // ends as a kill would: the file stays, its lock goes
    CalculatorJournal::Opened again = CalculatorJournal::Open(Folder());
    std::vector<JournalRecord> expected = kSome;
    expected.push_back(JournalRecord::Button(CommandIndex::Total));
    EXPECT_EQ(again.restore, expected);
}

TEST_F(JournalFolderTest, ALaterVersionsJournalIsLeftAlone) {
    std::string later = Bytes(kSome);
    JournalEncoder encoder;
    std::string header = encoder.Header();
    header[8] = 9;
    const std::uint32_t crc = Crc32(std::string_view(header).substr(0, 12));
    for (int k = 0; k < 4; ++k) {
        header[12 + static_cast<std::size_t>(k)] = static_cast<char>((crc >> (8 * k)) & 0xFF);
    }
    WriteJournal("journal-1-1.vjl", header + later.substr(16), fs::file_time_type::clock::now());
    CalculatorJournal::Opened opened = CalculatorJournal::Open(Folder());
    EXPECT_TRUE(opened.restore.empty());
    ASSERT_TRUE(opened.journal);
    EXPECT_NE(opened.journal->Path(), Folder() / "journal-1-1.vjl");
    EXPECT_EQ(fs::file_size(Folder() / "journal-1-1.vjl"), header.size() + later.size() - 16);
}

TEST_F(JournalFolderTest, GarbageRestoresNothingAndIsWrittenOver) {
    WriteJournal("journal-1-1.vjl", std::string(5'000, '\xA5'), fs::file_time_type::clock::now());
    CalculatorJournal::Opened opened = CalculatorJournal::Open(Folder());
    EXPECT_TRUE(opened.restore.empty());
    ASSERT_TRUE(opened.journal);
    opened.journal->Record(JournalRecord::RoundOption(4));
    opened.journal.reset();
    EXPECT_EQ(CalculatorJournal::Open(Folder()).restore,
              std::vector{JournalRecord::RoundOption(4)});
}

TEST_F(JournalFolderTest, ANormalEndRemovesTheJournalAndNewStartsItAfresh) {
    CalculatorJournal::Opened opened = CalculatorJournal::Open(Folder());
    ASSERT_TRUE(opened.journal);
    for (const JournalRecord& record : kSome) {
        opened.journal->Record(record);
    }
    opened.journal->StartAfresh({JournalRecord::Button(CommandIndex::New)});
    const fs::path path = opened.journal->Path();
    EXPECT_EQ(
        DecodeJournal(std::string(std::istreambuf_iterator<char>(std::ifstream(path).rdbuf()), {}))
            .records,
        std::vector{JournalRecord::Button(CommandIndex::New)});
    opened.journal->Discard();
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(CalculatorJournal::Open(Folder()).restore.empty());
}

TEST_F(JournalFolderTest, AFolderThatCannotBeMadeMeansNoJournalAndNoFailure) {
    std::ofstream(m_root / "a-file") << "in the way";
    CalculatorJournal::Opened opened = CalculatorJournal::Open(m_root / "a-file" / "Vantrel");
    EXPECT_FALSE(opened.journal);
    EXPECT_TRUE(opened.restore.empty());
}

// A disk that fills up after a few records, as a file size limit makes it for one process.
TEST_F(JournalFolderTest, AJournalThatCannotBeWrittenStopsQuietlyAtItsLastWholeRecord) {
    constexpr rlim_t kRoom = 100;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{kRoom, kRoom};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        CalculatorJournal::Opened opened = CalculatorJournal::Open(Folder());
        for (int k = 0; k < 20; ++k) {
            opened.journal->Record(JournalRecord::Button(CommandIndex::Digit1));
        }
        std::_Exit(opened.journal->Writing() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const std::vector<JournalRecord> restored = CalculatorJournal::Open(Folder()).restore;
    EXPECT_FALSE(restored.empty());
    EXPECT_LT(restored.size(), 20u);
    EXPECT_EQ(restored, std::vector(restored.size(), JournalRecord::Button(CommandIndex::Digit1)));
}

TEST(JournalSync, ManyWritesInAMomentAreOneSync) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    {
        JournalSync sync(::fileno(file), std::chrono::seconds(30));
        for (int k = 0; k < 1'000; ++k) {
            sync.Written();
        }
        for (int wait = 0; wait < 500 && sync.Syncs() == 0; ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        EXPECT_EQ(sync.Syncs(), 1);
    }
    std::fclose(file);
}

}  // namespace
}  // namespace vantrel
