#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <thread>

namespace vantrel {

// Puts what was written to a file on the disk, at most once an interval, on a thread of its
// own: a key never waits for a slow disk, and a power cut loses at most the last interval.
class JournalSync {
  public:
    explicit JournalSync(int fd, std::chrono::milliseconds interval = std::chrono::seconds(1));
    ~JournalSync();
    JournalSync(const JournalSync&) = delete;
    JournalSync& operator=(const JournalSync&) = delete;

    // Something was written since the last sync; returns at once, and between two syncs wakes
    // the thread only the first time.
    void Written();
    // How many times the disk was asked to catch up, for the tests.
    int Syncs() const;

  private:
    void Run(const std::stop_token& stop);

    const int m_fd;
    const std::chrono::milliseconds m_interval;
    mutable std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::atomic<bool> m_dirty = false;
    int m_syncs = 0;
    std::jthread m_thread;
};

}  // namespace vantrel
