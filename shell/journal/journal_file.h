#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// One calculator's journal on disk, held with an exclusive lock for as long as the copy runs,
// so that no other copy restores it meanwhile. Every write goes to the operating system at
// once; nothing waits in a buffer of ours.
namespace vantrel {

class JournalFile {
  public:
    // A new, empty journal in `folder`, which is made if need be; nullopt when it cannot be.
    static std::optional<JournalFile> Create(const std::filesystem::path& folder);
    // An existing journal, locked; nullopt when another copy holds it or it cannot be opened.
    static std::optional<JournalFile> Claim(const std::filesystem::path& path);

    JournalFile(JournalFile&& other) noexcept;
    JournalFile& operator=(JournalFile&& other) noexcept;
    JournalFile(const JournalFile&) = delete;
    JournalFile& operator=(const JournalFile&) = delete;
    ~JournalFile();

    std::optional<std::string> ReadAll() const;
    // False when not every byte could be written.
    bool Append(std::string_view bytes);
    // Keeps only the first `size` bytes; then writes `bytes` after them.
    bool Rewrite(std::size_t size, std::string_view bytes = {});
    // Deletes the file and lets it go.
    void Remove();

    int Descriptor() const { return m_fd; }
    const std::filesystem::path& Path() const { return m_path; }

  private:
    JournalFile(int fd, std::filesystem::path path) : m_fd(fd), m_path(std::move(path)) {}
    void Close();

    int m_fd = -1;
    std::filesystem::path m_path;
};

// Whether a file in the journal folder is a journal by its name.
bool IsJournalName(const std::filesystem::path& path);

}  // namespace vantrel
