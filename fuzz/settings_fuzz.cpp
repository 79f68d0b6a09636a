#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "fuzz/invariant.h"
#include "shell/settings_store.h"

// The settings file with any contents, read the way start-up reads it: only values the window
// can apply come out, reading leaves the file exactly as it was, and what was read, once saved,
// reads back the same.
namespace vantrel {
namespace {

struct FileStamp {
    QByteArray bytes;
    timespec modified{};
};

FileStamp Stamp(const QString& path) {
    QFile file(path);
    Require(file.open(QIODevice::ReadOnly), "settings: the file can be read");
    struct stat status {};
    Require(::stat(QFile::encodeName(path).constData(), &status) == 0,
            "settings: the file is there");
    return {file.readAll(), status.st_mtim};
}

bool SameStamp(const FileStamp& a, const FileStamp& b) {
    return a.bytes == b.bytes && a.modified.tv_sec == b.modified.tv_sec &&
           a.modified.tv_nsec == b.modified.tv_nsec;
}

void CheckValid(const WindowSettings& settings) {
    Require(settings.RoundOption >= 0 && settings.RoundOption < kRoundModeCount,
            "settings: the rounding option is one of the seven");
}

// A file name used once: the settings library keeps what it read of a file by its name.
QString FreshPath(const QTemporaryDir& folder) {
    static std::uint64_t counter = 0;
    return folder.filePath(QStringLiteral("Vantrel-%1.conf").arg(++counter));
}

void CheckRead(const QTemporaryDir& folder, const QByteArray& contents) {
    const QString path = FreshPath(folder);
    {
        QFile file(path);
        Require(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size(),
                "settings: the file can be written");
    }
    const FileStamp before = Stamp(path);
    const WindowSettings read = LoadWindowSettings(path);
    Require(SameStamp(before, Stamp(path)), "settings: reading leaves the file as it was");
    Require(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size() == 1,
            "settings: reading makes no other file");
    CheckValid(read);
    QFile::remove(path);
    // Saving syncs the file to disk, so only reads that found something are saved again.
    if (read == FirstRunSettings()) {
        return;
    }
    const QString again = FreshPath(folder);
    SaveWindowSettings(again, read);
    Require(LoadWindowSettings(again) == read, "settings: what was read is saved and read back");
    QFile::remove(again);
}

}  // namespace
}  // namespace vantrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static const QTemporaryDir folder;
    vantrel::Require(folder.isValid(), "settings: a folder of its own");
    vantrel::CheckRead(
        folder, QByteArray(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size)));
    return 0;
}
