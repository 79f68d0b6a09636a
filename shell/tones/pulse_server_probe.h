#pragma once

#include <chrono>

namespace vantrel {

class PulseLibrary;

// Whether the sound server completes its handshake within `limit`. libpulse's own connection
// waits half a minute for a server that takes the connection and then says nothing, and the
// error beep would freeze the window for that long.
bool SoundServerAnswers(const PulseLibrary& pulse, std::chrono::milliseconds limit);

}  // namespace vantrel
