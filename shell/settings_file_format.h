#pragma once

#include <QSettings>

namespace vantrel {

// The settings file is an INI file, read and written by QSettings with this format instead of
// its own INI format: the same sections, keys, quoting and escapes, but every value is kept as
// the text it is. Qt's own INI reader would decode a value such as "@Variant(…)" from its
// serialised form as soon as any key of its section is read, and a damaged one can claim a
// container larger than memory; here such a value is never decoded, and its key is simply
// missing. QSettings still locates, locks and atomically replaces the file.
QSettings::Format SettingsFileFormat();

}  // namespace vantrel
