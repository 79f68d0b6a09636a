#pragma once

#include <functional>
#include <memory>

#include "core/ports.h"
#include "shell/tones/tone_output.h"

namespace vantrel {

// The error signal through a tone device, and through the system bell once the device has
// failed: a missing sound server must neither block nor silence the signal.
class SoundServerTones : public TonePort {
  public:
    SoundServerTones(std::unique_ptr<ToneOutput> output, std::function<void()> bell)
        : m_output(std::move(output)), m_bell(std::move(bell)) {}

    void ErrorBeep() override;

  private:
    bool PlayErrorTones();

    std::unique_ptr<ToneOutput> m_output;
    std::function<void()> m_bell;
    bool m_outputFailed = false;
};

}  // namespace vantrel
