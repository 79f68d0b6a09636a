#include "shell/tones/pulse_tone_output.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "shell/tones/pulse_library.h"
#include "shell/tones/pulse_server_probe.h"
#include "shell/tones/tone_synth.h"

namespace vantrel {
namespace {

constexpr int kSampleRate = 48000;
constexpr int kTargetLatencyMilliseconds = 20;
// A server may start a stream a few milliseconds into its first data (seen with PulseAudio's
// null sink): a short silence in front keeps the first tone whole.
constexpr std::size_t kLeadInSamples = kSampleRate / 100;
constexpr auto kServerDefault = static_cast<std::uint32_t>(-1);
// A server on this desktop answers in a few milliseconds.
constexpr std::chrono::milliseconds kServerAnswerLimit{500};

bool EnvironmentSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

bool SoundServerAnnounced() {
    if (EnvironmentSet("PULSE_SERVER")) {
        return true;
    }
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir == nullptr || *runtimeDir == '\0') {
        return false;
    }
    std::error_code error;
    return std::filesystem::is_socket(std::filesystem::path(runtimeDir) / "pulse" / "native",
                                      error);
}

void PulseToneOutput::StreamCloser::operator()(pa_simple* stream) const {
    PulseLibrary::Get()->simpleFree(stream);
}

PulseToneOutput::PulseToneOutput() = default;

PulseToneOutput::~PulseToneOutput() = default;

bool PulseToneOutput::Connect() {
    if (!SoundServerAnnounced()) {
        return false;
    }
    const PulseLibrary* pulse = PulseLibrary::Get();
    if (pulse == nullptr ||
        (!m_serverAnswered && !SoundServerAnswers(*pulse, kServerAnswerLimit))) {
        return false;
    }
    m_serverAnswered = true;
    const pa_sample_spec sampleFormat{PA_SAMPLE_S16NE, kSampleRate, 1};
    // A short target latency makes the tones heard promptly. Playback waits until that much is
    // queued, or until the drain, so the tones of one signal follow each other without gaps.
    const auto target = static_cast<std::uint32_t>(
        pulse->usecToBytes(kTargetLatencyMilliseconds * 1000, &sampleFormat));
    const pa_buffer_attr buffer{kServerDefault, target, target, kServerDefault, kServerDefault};
    int error = 0;
    m_stream.reset(pulse->simpleNew(nullptr, "Vantrel Calculator", PA_STREAM_PLAYBACK, nullptr,
                                    "Error beep", &sampleFormat, nullptr, &buffer, &error));
    return m_stream != nullptr;
}

bool PulseToneOutput::Play(int frequencyHz, int milliseconds) {
    if (!m_stream && !Connect()) {
        return false;
    }
    if (!m_toneQueued && !Write(std::vector<std::int16_t>(kLeadInSamples))) {
        return Fail();
    }
    m_toneQueued = true;
    return Write(SynthesizeTone(frequencyHz, milliseconds, kSampleRate)) || Fail();
}

bool PulseToneOutput::Write(const std::vector<std::int16_t>& samples) {
    int error = 0;
    return PulseLibrary::Get()->simpleWrite(m_stream.get(), samples.data(),
                                            samples.size() * sizeof(samples[0]), &error) >= 0;
}

// The stream is closed after each signal: an open one would keep the sound device awake and
// stand in the desktop's mixer for as long as the calculator runs.
bool PulseToneOutput::Drain() {
    int error = 0;
    const bool drained = m_stream && PulseLibrary::Get()->simpleDrain(m_stream.get(), &error) >= 0;
    Close();
    return drained;
}

void PulseToneOutput::Close() {
    m_stream.reset();
    m_toneQueued = false;
}

// A broken connection is dropped; the caller decides whether to try again.
bool PulseToneOutput::Fail() {
    Close();
    return false;
}

}  // namespace vantrel
