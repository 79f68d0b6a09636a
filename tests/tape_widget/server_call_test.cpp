#include "tape/qt/server_call.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QThread>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
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

// The window closed during a Print: the job on the worker ends before the window has gone, and
// its answer reaches nothing.
TEST(ServerCall, AnOwnerGoingMidCallLetsTheWorkEndAndTakesNoAnswer) {
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
    EXPECT_TRUE(finished->load()) << "the owner went before the work had ended";
    QTest::qWait(100);
    EXPECT_EQ(answers->calls, 0);
}

// A server that never answers does not keep a closing window for longer than the short wait.
TEST(ServerCall, AnOwnerGoingStopsWaitingForWorkThatDoesNotEnd) {
    auto answers = std::make_shared<Answers>();
    struct Release {
        std::mutex mutex;
        std::condition_variable changed;
        bool released = false;
        bool finished = false;
    };
    auto release = std::make_shared<Release>();
    {
        QObject owner;
        CallServer<int>(
            owner, 60s,
            [release] {
                std::unique_lock lock(release->mutex);
                release->changed.wait_for(lock, 60s, [&] { return release->released; });
                release->finished = true;
                release->changed.notify_all();
                return 1;
            },
            Recorder(answers));
    }
    std::unique_lock lock(release->mutex);
    EXPECT_FALSE(release->finished) << "the owner waited for the work to the end";
    release->released = true;
    release->changed.notify_all();
    EXPECT_TRUE(release->changed.wait_for(lock, 10s, [&] { return release->finished; }));
    lock.unlock();
    QTest::qWait(50);
    EXPECT_EQ(answers->calls, 0);
}

}  // namespace
}  // namespace vantrel
