#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace vantrel {

// One value of the settings file as text, in the quoting and escapes of Qt's INI files, so
// that a file written by an earlier version reads the same and this version's file reads the
// same there. Only plain text is a value: a list, or anything that starts with "@" (Qt's mark
// of a serialised value such as "@Variant(" or "@ByteArray("), has no text and gives nothing,
// without ever being decoded further.
std::optional<QString> ReadValueText(QByteArrayView written);

QByteArray WriteValueText(const QString& value);

}  // namespace vantrel
