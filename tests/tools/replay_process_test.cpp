#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct ProcessResult {
    int status = -1;
    std::string out;
};

// A file of this test's own, since ctest runs tests side by side.
std::filesystem::path TestFile(const std::string& suffix) {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    return std::filesystem::temp_directory_path() /
           ("vantrel-replay-" + test + "-" + std::to_string(getpid()) + suffix);
}

// Runs the real program with `tokens` on its standard input, and stderr sent to `errPath`.
ProcessResult RunReplayProcess(const std::string& arguments, const std::string& tokens,
                               const std::filesystem::path& errPath) {
    const auto inPath = TestFile(".in");
    std::ofstream(inPath) << tokens;
    const std::string command = std::string(VANTREL_REPLAY_PATH) + " " + arguments + " < " +
                                inPath.string() + " 2> " + errPath.string();
    ProcessResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        result.out.append(buffer.data(), n);
    }
    const int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ReplayProcess : public ::testing::Test {
  protected:
    void TearDown() override {
        std::filesystem::remove(errPath);
        std::filesystem::remove(TestFile(".in"));
    }

    std::filesystem::path errPath = TestFile(".err");
};

TEST_F(ReplayProcess, PercentOfARunningTotalPrintsEveryItem) {
    const ProcessResult r = RunReplayProcess("", "k2 k0 k0 k15 k1 k5 k18 k15\n", errPath);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "tape\t2\tTrue\t200\n"
              "tape\t9\tTrue\t200\n"
              "tape\t8\tTrue\t15\n"
              "tape\t-2\tTrue\t30\n"
              "tape\t2\tTrue\t30\n"
              "display\t230. \n"
              "color\tblack\n"
              "memory\t0. \n"
              "counter\t2 \n"
              "entry\t0\n"
              "error\tFalse\n"
              "undo\tTrue\n"
              "mode\t6\n"
              "beeps\t0\n"
              "clipboard\t\n"
              "messages\t\n"
              "cur\t30\n"
              "shown\t230\n"
              "total\t230\n"
              "muldiv\t0\n"
              "memvalue\t0\n"
              "items\t2\n"
              "pending\t0\n");
}

TEST_F(ReplayProcess, UndoOfAFailedDivisionInACommaLocale) {
    const ProcessResult r = RunReplayProcess("--mode 2 --decimal , --group .",
                                             "k8 k16 k0 k19 k30 k2 k19 k28 k23", errPath);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "tape\t3\tTrue\t8,00\n"
              "tape\t8\tTrue\t2,00\n"
              "tape\t-2\tTrue\t4,00\n"
              "display\t4,00 \n"
              "color\tblack\n"
              "memory\t0, \n"
              "counter\t0 \n"
              "entry\t0\n"
              "error\tFalse\n"
              "undo\tTrue\n"
              "mode\t2\n"
              "beeps\t0\n"
              "clipboard\t4,00\n"
              "messages\t\n"
              "cur\t4\n"
              "shown\t4\n"
              "total\t0\n"
              "muldiv\t8\n"
              "memvalue\t0\n"
              "items\t0\n"
              "pending\t0\n");
}

TEST_F(ReplayProcess, EmptyTapePrintAndClipboardTextAreReported) {
    const ProcessResult r = RunReplayProcess("", "clip:%201%2C234.50%20 k24 k28", errPath);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("clipboard\t 1,234.50 \n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("messages\tNothing to print\n"), std::string::npos);
    EXPECT_NE(r.out.find("cur\t1234.5\n"), std::string::npos);
}

TEST_F(ReplayProcess, UnknownTokenIsNamedAndNothingIsPrinted) {
    for (const char* tokens : {"k5 bogus k15", "k31", "op32768", "mode7", "in1", "clip:%2"}) {
        const ProcessResult r = RunReplayProcess("", tokens, errPath);
        EXPECT_EQ(r.status, 2) << tokens;
        EXPECT_EQ(r.out, "") << tokens;
        EXPECT_NE(ReadFile(errPath).find("unknown token"), std::string::npos) << tokens;
    }
    const ProcessResult r = RunReplayProcess("", "k5 bogus k15", errPath);
    EXPECT_NE(ReadFile(errPath).find("'bogus'"), std::string::npos);
}

TEST_F(ReplayProcess, BadOptionsAreRefusedWithUsage) {
    for (const char* arguments :
         {"--mode 9", "--decimal 5", "--decimal , --group ,", "--what 1", "--mode"}) {
        const ProcessResult r = RunReplayProcess(arguments, "k1", errPath);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_EQ(r.out, "") << arguments;
        EXPECT_NE(ReadFile(errPath).find("usage"), std::string::npos) << arguments;
    }
}

}  // namespace
