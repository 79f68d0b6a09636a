#pragma once

#include <array>

#include "core/locale_separators.h"

namespace vantrel {

// Separators of real locales, one of them with a decimal separator of two bytes.
inline const std::array<LocaleSeparators, 5> kFuzzLocales = {{
    {".", ","},
    {",", "."},
    {",", "\u202F"},
    {".", "'"},
    {"\u066B", "\u066C"},
}};

}  // namespace vantrel
