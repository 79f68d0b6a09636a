#include "shell/tones/desktop_tones.h"

#include <QApplication>

#include "shell/tones/pulse_tone_output.h"
#include "shell/tones/sound_server_tones.h"

namespace vantrel {

std::unique_ptr<TonePort> MakeDesktopTones() {
    return std::make_unique<SoundServerTones>(std::make_unique<PulseToneOutput>(),
                                              [] { QApplication::beep(); });
}

}  // namespace vantrel
