#pragma once

#include <QString>

#include "shell/window_settings.h"

namespace vantrel {

// The user's choices live in an INI file, section "Calculator": Vantrel/Vantrel.conf under
// $XDG_CONFIG_HOME, or under ~/.config when that is not set.
QString SettingsFilePath();

// A key that is missing or does not convert gives its first-run value. Reading never writes:
// a damaged file stays as it is until the user saves.
WindowSettings LoadWindowSettings(const QString& file);

// Writes every key; "Printer" only when a printer is current, so that with none installed
// it keeps the name saved before. A file that cannot be written is left as it is, silently.
void SaveWindowSettings(const QString& file, const WindowSettings& settings);

}  // namespace vantrel
