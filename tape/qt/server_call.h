#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace vantrel {

// How long an owner that goes mid-call, as the window does when it is closed during a Print,
// waits for the work to end: a job the server is taking goes out whole, and the worker is not
// left making its PDF while the program ends. A silent server is not waited for longer.
constexpr std::chrono::seconds kGoneOwnerWait{2};

// The user-interface end of one call that runs on a worker thread. It is a child of the object
// that asked; when that object goes, the end goes with it and a late answer is dropped.
class ServerCallEnd : public QObject {
  public:
    ServerCallEnd(QObject& owner, std::chrono::milliseconds limit, std::function<void()> silence);
    ~ServerCallEnd() override;

    // Called on the worker with the channel locked: runs `delivery` on this end's thread,
    // where it is dropped should the end have gone by then.
    void Post(std::function<void()> delivery);
    // Ends the call on this end's thread. False when it had ended already: the answer and the
    // silence are each other's late comer, and only the first of them counts.
    bool Close();

    struct Channel {
        std::mutex mutex;
        ServerCallEnd* end = nullptr;
        bool workEnded = false;
        std::condition_variable ended;
    };
    std::shared_ptr<Channel> Shared() const { return m_channel; }

  private:
    std::shared_ptr<Channel> m_channel;
    QTimer m_limit;
    bool m_closed = false;
};

// Runs `work` on a worker thread and hands its result to `done` on the thread of `owner`. The
// caller never waits: `work` keeps its own time limit, and should it overrun `limit` all the
// same, `done` gets nullopt then and the late result is dropped.
template <typename Result>
void CallServer(QObject& owner, std::chrono::milliseconds limit, std::function<Result()> work,
                std::function<void(std::optional<Result>)> done) {
    auto finish = std::make_shared<std::function<void(std::optional<Result>)>>(std::move(done));
    auto* end = new ServerCallEnd(owner, limit, [finish] { (*finish)(std::nullopt); });
    std::thread([channel = end->Shared(), work = std::move(work), finish]() mutable {
        auto result = std::make_shared<Result>(work());
        const std::lock_guard lock(channel->mutex);
        channel->workEnded = true;
        channel->ended.notify_all();
        if (channel->end != nullptr) {
            channel->end->Post([end = channel->end, finish, result] {
                if (end->Close()) {
                    (*finish)(std::move(*result));
                }
            });
        }
    }).detach();
}

}  // namespace vantrel
