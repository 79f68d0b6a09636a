#pragma once

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <cstring>

#include "tests/support/scoped_variable.h"

namespace vantrel::testing {

// A print server gone quiet: a local socket that takes every connection into its backlog and
// never reads or answers. CUPS_SERVER points at it for as long as it lives.
class SilentServer {
  public:
    SilentServer() : m_path(m_dir.filePath(QStringLiteral("cups.sock")).toLocal8Bit()) {
        m_socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, m_path.constData(), sizeof address.sun_path - 1);
        m_listening =
            m_socket >= 0 &&
            ::bind(m_socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
            ::listen(m_socket, SOMAXCONN) == 0;
    }
    ~SilentServer() {
        if (m_socket >= 0) {
            ::close(m_socket);
        }
    }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    bool Listening() const { return m_listening; }

  private:
    QTemporaryDir m_dir;
    QByteArray m_path;
    ScopedVariable m_address{"CUPS_SERVER", m_path};
    int m_socket = -1;
    bool m_listening = false;
};

}  // namespace vantrel::testing
