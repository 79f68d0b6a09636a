#include "tape/qt/server_call.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QThread>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace vantrel {
namespace {

using namespace std::chrono_literals;

struct Answers {
    int calls = 0;
    std::optional<int> last;
    QThread* thread = nullptr;
};

// Counts the answers one call hands back, and the thread they arrive on.
std::function<void(std::optional<int>)> Recorder(std::shared_ptr<Answers> answers) {
    return [answers](std::optional<int> result) {
        ++answers->calls;
        answers->last = result;
        answers->thread = QThread::currentThread();
    };
}

TEST(ServerCall, TheAnswerComesOnceOnTheOwnersThreadWhileTheWorkRunsElsewhere) {
    QObject owner;
    auto answers = std::make_shared<Answers>();
    std::atomic<bool> onWorker = false;
    const auto caller = std::this_thread::get_id();
    CallServer<int>(
        owner, 5s,
        [&onWorker, caller] {
            onWorker = std::this_thread::get_id() != caller;
            return 42;
        },
        Recorder(answers));
    EXPECT_EQ(answers->calls, 0) << "the caller does not wait";
    ASSERT_TRUE(QTest::qWaitFor([&] { return answers->calls > 0; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(answers->calls, 1);
    EXPECT_EQ(answers->last, 42);
    EXPECT_EQ(answers->thread, owner.thread());
    EXPECT_TRUE(onWorker);
}

TEST(ServerCall, WorkThatOverrunsTheLimitIsGivenUpAndItsLateAnswerDropped) {
    QObject owner;
    auto answers = std::make_shared<Answers>();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    CallServer<int>(
        owner, 20ms,
        [finished] {
            std::this_thread::sleep_for(300ms);
            *finished = true;
            return 7;
        },
        Recorder(answers));
    ASSERT_TRUE(QTest::qWaitFor([&] { return answers->calls > 0; }, 5000));
    EXPECT_EQ(answers->last, std::nullopt);
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished->load(); }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(answers->calls, 1);
}

TEST(ServerCall, NoAnswerReachesAnOwnerThatHasGone) {
    auto answers = std::make_shared<Answers>();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    {
        QObject owner;
        CallServer<int>(
            owner, 5s,
            [finished] {
                std::this_thread::sleep_for(100ms);
                *finished = true;
                return 1;
            },
            Recorder(answers));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished->load(); }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(answers->calls, 0);
}

}  // namespace
}  // namespace vantrel
