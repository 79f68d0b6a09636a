#include "shell/journal/journal_sync.h"

#include <unistd.h>

namespace vantrel {

JournalSync::JournalSync(int fd, std::chrono::milliseconds interval)
    : m_fd(fd),
      m_interval(interval),
      m_thread([this](const std::stop_token& stop) { Run(stop); }) {}

// The thread ends before the file it syncs can be closed.
JournalSync::~JournalSync() {
    m_thread.request_stop();
    m_thread.join();
}

void JournalSync::Written() {
    if (m_dirty.exchange(true)) {
        return;
    }
    // Passing through the lock puts the flag before the thread's next look at it, so that a
    // thread about to wait cannot miss this wake-up.
    { const std::lock_guard lock(m_mutex); }
    m_wake.notify_one();
}

int JournalSync::Syncs() const {
    const std::lock_guard lock(m_mutex);
    return m_syncs;
}

void JournalSync::Run(const std::stop_token& stop) {
    std::unique_lock lock(m_mutex);
    while (m_wake.wait(lock, stop, [this] { return m_dirty.load(); })) {
        m_dirty = false;
        lock.unlock();
        ::fdatasync(m_fd);
        lock.lock();
        ++m_syncs;
        // Writes meanwhile wait for the next round, one interval after this one.
        m_wake.wait_for(lock, stop, m_interval, [] { return false; });
    }
}

}  // namespace vantrel
