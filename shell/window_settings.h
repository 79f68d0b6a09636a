#pragma once

#include <QString>

#include "core/vocabulary.h"

namespace vantrel {

// The user choices the window puts into effect together. Window measures are in twips;
// -1 for the height keeps the standard height, -1 for top or left centres the window, and 0
// leaves them where they are. An empty printer name leaves the current printer as it is.
struct WindowSettings {
    bool ShowTape = true;
    bool AlwaysOnTop = true;
    int RoundOption = kFloatingPointMode;
    int Height = -1;
    int Top = -1;
    int Left = -1;
    QString PrinterName;

    bool operator==(const WindowSettings&) const = default;
};

// What a first run shows: tape, always on top, Floating Point, standard height, centred,
// the default printer.
inline WindowSettings FirstRunSettings() {
    return {};
}

// Options > Restore Default: the first-run choices, but the window stays where it is and the
// printer stays current.
inline WindowSettings RestoreDefaultSettings() {
    return {.ShowTape = true,
            .AlwaysOnTop = true,
            .RoundOption = 6,
            .Height = 0,
            .Top = 0,
            .Left = 0,
            .PrinterName = QString()};
}

}  // namespace vantrel
