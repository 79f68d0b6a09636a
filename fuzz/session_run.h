#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "core/locale_separators.h"
#include "core/vocabulary.h"
#include "fuzz/fuzz_locales.h"
#include "tools/headless/headless_session.h"

namespace vantrel {

using SessionStep = void (*)(HeadlessSession&, FuzzedDataProvider&, const LocaleSeparators&);

// The fuzzer's bytes choose a locale and a rounding mode for a fresh machine, then feed its
// steps until they run out or the stream reaches its length, which keeps one input quick.
inline void RunSession(const std::uint8_t* bytes, std::size_t size, std::size_t maxSteps,
                       SessionStep step) {
    FuzzedDataProvider data(bytes, size);
    const LocaleSeparators& locale =
        kFuzzLocales[data.ConsumeIntegralInRange<std::size_t>(0, kFuzzLocales.size() - 1)];
    HeadlessSession session(
        {.mode = data.ConsumeIntegralInRange<int>(0, kRoundModeCount - 1), .separators = locale});
    for (std::size_t count = 0; count < maxSteps && data.remaining_bytes() > 0; ++count) {
        step(session, data, locale);
    }
}

}  // namespace vantrel
