#include "shell/tones/sound_server_tones.h"

#include <array>

namespace vantrel {
namespace {

constexpr std::array kErrorToneFrequencies{5000, 3000, 4000};
constexpr int kErrorToneMilliseconds = 5;

}  // namespace

void SoundServerTones::ErrorBeep() {
    if (!m_outputFailed) {
        m_outputFailed = !PlayErrorTones();
    }
    if (m_outputFailed) {
        m_bell();
    }
}

bool SoundServerTones::PlayErrorTones() {
    for (const int frequency : kErrorToneFrequencies) {
        if (!m_output->Play(frequency, kErrorToneMilliseconds)) {
            return false;
        }
    }
    return m_output->Drain();
}

}  // namespace vantrel
