#include "tape/qt/server_call.h"

#include <utility>

namespace vantrel {

ServerCallEnd::ServerCallEnd(QObject& owner, std::chrono::milliseconds limit,
                             std::function<void()> silence)
    : QObject(&owner), m_channel(std::make_shared<Channel>()) {
    m_channel->end = this;
    m_limit.setSingleShot(true);
    connect(&m_limit, &QTimer::timeout, this, [this, silence = std::move(silence)] {
        if (Close()) {
            silence();
        }
    });
    m_limit.start(limit);
}

ServerCallEnd::~ServerCallEnd() {
    std::unique_lock lock(m_channel->mutex);
    m_channel->end = nullptr;
    if (!m_closed) {
        m_channel->ended.wait_for(lock, kGoneOwnerWait, [this] { return m_channel->workEnded; });
    }
}

// The worker holds the channel's lock, so the end cannot be deleted while the event is posted;
// an event posted to an object that is deleted later is dropped with it.
void ServerCallEnd::Post(std::function<void()> delivery) {
    QMetaObject::invokeMethod(this, std::move(delivery), Qt::QueuedConnection);
}

bool ServerCallEnd::Close() {
    if (std::exchange(m_closed, true)) {
        return false;
    }
    m_limit.stop();
    {
        const std::lock_guard lock(m_channel->mutex);
        m_channel->end = nullptr;
    }
    deleteLater();
    return true;
}

}  // namespace vantrel
