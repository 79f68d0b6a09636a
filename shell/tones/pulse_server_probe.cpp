#include "shell/tones/pulse_server_probe.h"

#include "shell/tones/pulse_library.h"

namespace vantrel {
namespace {

using Clock = std::chrono::steady_clock;

// Runs the loop until the context is ready, has failed, or the time is up.
bool WaitUntilReady(const PulseLibrary& pulse, pa_mainloop& loop, pa_context& context,
                    Clock::time_point end) {
    for (;;) {
        const pa_context_state_t state = pulse.contextState(&context);
        if (state == PA_CONTEXT_READY) {
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(end - Clock::now());
        if (!PA_CONTEXT_IS_GOOD(state) || left.count() <= 0) {
            return false;
        }
        if (pulse.mainloopPrepare(&loop, static_cast<int>(left.count())) < 0 ||
            pulse.mainloopPoll(&loop) < 0 || pulse.mainloopDispatch(&loop) < 0) {
            return false;
        }
    }
}

}  // namespace

bool SoundServerAnswers(const PulseLibrary& pulse, std::chrono::milliseconds limit) {
    const Clock::time_point end = Clock::now() + limit;
    pa_mainloop* loop = pulse.mainloopNew();
    if (loop == nullptr) {
        return false;
    }
    pa_context* context = pulse.contextNew(pulse.mainloopApi(loop), "Vantrel Calculator");
    bool answered = false;
    if (context != nullptr) {
        answered = pulse.contextConnect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
                   WaitUntilReady(pulse, *loop, *context, end);
        pulse.contextDisconnect(context);
        pulse.contextUnref(context);
    }
    pulse.mainloopFree(loop);
    return answered;
}

}  // namespace vantrel
