#pragma once

#include "shell/window_settings.h"

class QSettings;

namespace vantrel {

// The user's choices in the per-user store: application "Vantrel", section "Calculator".
// A key that is missing or does not convert gives its first-run value.
WindowSettings LoadWindowSettings(QSettings& store);
void SaveWindowSettings(QSettings& store, const WindowSettings& settings);

}  // namespace vantrel
