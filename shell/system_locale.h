#pragma once

#include "core/locale_separators.h"

namespace vantrel {

// The user's decimal separator and digit-grouping character, from the default locale.
LocaleSeparators SystemSeparators();

}  // namespace vantrel
