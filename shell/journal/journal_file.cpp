#include "shell/journal/journal_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <system_error>
#include <utility>

namespace vantrel {
namespace {

constexpr std::string_view kPrefix = "journal-";
constexpr std::string_view kSuffix = ".vjl";
constexpr mode_t kFileMode = 0600;

bool LockedHere(int fd) {
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

std::string UniqueStem() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::string(kPrefix) + std::to_string(::getpid()) + "-" +
           std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

bool IsJournalName(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    return name.starts_with(kPrefix) && name.ends_with(kSuffix);
}

// Made under a name no copy looks for and locked before it gets its own, so that no starting
// copy can take it for the journal of one that is gone.
std::optional<JournalFile> JournalFile::Create(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string stem = UniqueStem();
    const std::filesystem::path draft = folder / (stem + ".new");
    const int fd =
        ::open(draft.c_str(), O_RDWR | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, kFileMode);
    if (fd < 0) {
        return std::nullopt;
    }
    JournalFile file(fd, folder / (stem + std::string(kSuffix)));
    if (!LockedHere(fd) || ::rename(draft.c_str(), file.m_path.c_str()) != 0) {
        ::unlink(draft.c_str());
        return std::nullopt;
    }
    return file;
}

std::optional<JournalFile> JournalFile::Claim(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        return std::nullopt;
    }
    JournalFile file(fd, path);
    struct stat status {};
    if (!LockedHere(fd) || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    // The copy that held it may have removed it between our open and our lock.
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return file;
}

JournalFile::JournalFile(JournalFile&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_path(std::move(other.m_path)) {}

JournalFile& JournalFile::operator=(JournalFile&& other) noexcept {
    if (this != &other) {
        Close();
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::move(other.m_path);
    }
    return *this;
}

JournalFile::~JournalFile() {
    Close();
}

std::optional<std::string> JournalFile::ReadAll() const {
    std::string bytes;
    char buffer[1 << 16];
    off_t at = 0;
    for (;;) {
        const ssize_t got = ::pread(m_fd, buffer, sizeof buffer, at);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
        at += got;
    }
}

bool JournalFile::Append(std::string_view bytes) {
    return m_fd >= 0 && WriteAll(m_fd, bytes);
}

bool JournalFile::Rewrite(std::size_t size, std::string_view bytes) {
    return m_fd >= 0 && ::ftruncate(m_fd, static_cast<off_t>(size)) == 0 && WriteAll(m_fd, bytes);
}

void JournalFile::Remove() {
    if (m_fd >= 0) {
        ::unlink(m_path.c_str());
    }
    Close();
}

void JournalFile::Close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

}  // namespace vantrel
