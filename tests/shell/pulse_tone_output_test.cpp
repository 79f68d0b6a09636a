#include "shell/tones/pulse_tone_output.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "shell/tones/pulse_library.h"

namespace vantrel {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        if (m_old) {
            setenv(m_name, m_old->c_str(), 1);
        } else {
            unsetenv(m_name);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    const char* m_name;
    std::optional<std::string> m_old;
};

class SoundServerAnnouncedTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(m_runtimeDir.isValid()); }

    std::string RuntimeDir() const { return m_runtimeDir.path().toStdString(); }

    // A listening Unix socket at <runtime dir>/pulse/native, as a sound server leaves it.
    int CreateServerSocket() {
        const std::string dir = RuntimeDir() + "/pulse";
        EXPECT_TRUE(QDir().mkpath(QString::fromStdString(dir)));
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string path = dir + "/native";
        std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
        EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        return fd;
    }

    QTemporaryDir m_runtimeDir;
    ScopedEnvironment m_noServerName{"PULSE_SERVER", nullptr};
};

TEST_F(SoundServerAnnouncedTest, NoRuntimeDirectoryMeansNoServer) {
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", nullptr);
    EXPECT_FALSE(SoundServerAnnounced());
}

TEST_F(SoundServerAnnouncedTest, RuntimeDirectoryWithoutSocketMeansNoServer) {
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", RuntimeDir().c_str());
    EXPECT_FALSE(SoundServerAnnounced());
}

TEST_F(SoundServerAnnouncedTest, PlainFileInPlaceOfTheSocketMeansNoServer) {
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", RuntimeDir().c_str());
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(RuntimeDir() + "/pulse")));
    QFile file(QString::fromStdString(RuntimeDir() + "/pulse/native"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_FALSE(SoundServerAnnounced());
}

TEST_F(SoundServerAnnouncedTest, ServerSocketAnnouncesAServer) {
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", RuntimeDir().c_str());
    const int fd = CreateServerSocket();
    EXPECT_TRUE(SoundServerAnnounced());
    close(fd);
}

TEST_F(SoundServerAnnouncedTest, ServerNamedInTheEnvironmentAnnouncesAServer) {
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", nullptr);
    ScopedEnvironment server("PULSE_SERVER", "unix:/nowhere");
    EXPECT_TRUE(SoundServerAnnounced());
}

TEST_F(SoundServerAnnouncedTest, OutputWithoutServerRefusesTheTone) {
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", RuntimeDir().c_str());
    PulseToneOutput output;
    EXPECT_FALSE(output.Play(5000, 5));
}

// A socket nobody serves, named outright so that no server is spawned in its place: the
// connection is refused and the output reports it.
TEST_F(SoundServerAnnouncedTest, OutputWhoseServerDoesNotAnswerRefusesTheTone) {
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", RuntimeDir().c_str());
    const int fd = CreateServerSocket();
    const std::string server = "unix:" + RuntimeDir() + "/pulse/native";
    ScopedEnvironment named("PULSE_SERVER", server.c_str());
    PulseToneOutput output;
    EXPECT_FALSE(output.Play(5000, 5));
    EXPECT_FALSE(output.Drain());
    close(fd);
}

}  // namespace
}  // namespace vantrel

namespace vantrel {
namespace {

TEST(PulseLibraryTest, LoadsAtFirstUseWithEveryFunction) {
    const PulseLibrary* pulse = PulseLibrary::Get();
    ASSERT_NE(pulse, nullptr);
    EXPECT_NE(pulse->simpleNew, nullptr);
    EXPECT_NE(pulse->simpleWrite, nullptr);
    EXPECT_NE(pulse->simpleDrain, nullptr);
    EXPECT_NE(pulse->simpleFree, nullptr);
    const pa_sample_spec sampleFormat{PA_SAMPLE_S16NE, 48000, 1};
    EXPECT_EQ(pulse->usecToBytes(1000, &sampleFormat), 96u);
    EXPECT_EQ(PulseLibrary::Get(), pulse);
}

}  // namespace
}  // namespace vantrel
