#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "shell/tones/tone_output.h"

struct pa_simple;

namespace vantrel {

// Tones through the desktop's sound server (PulseAudio, or PipeWire's Pulse service). A stream
// is opened at the first tone of a signal, never at start-up, and only when a server is
// announced: without one, connecting could stall the window.
class PulseToneOutput : public ToneOutput {
  public:
    PulseToneOutput();
    ~PulseToneOutput() override;
    PulseToneOutput(const PulseToneOutput&) = delete;
    PulseToneOutput& operator=(const PulseToneOutput&) = delete;

    bool Play(int frequencyHz, int milliseconds) override;
    bool Drain() override;

  private:
    struct StreamCloser {
        void operator()(pa_simple* stream) const;
    };

    bool Connect();
    bool Write(const std::vector<std::int16_t>& samples);
    void Close();
    bool Fail();

    std::unique_ptr<pa_simple, StreamCloser> m_stream;
    bool m_toneQueued = false;
    // Once the server has answered, the stream's own connection is trusted to be prompt.
    bool m_serverAnswered = false;
};

// Whether the environment names a sound server or the user's server socket exists.
bool SoundServerAnnounced();

}  // namespace vantrel
