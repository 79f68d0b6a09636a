#pragma once

#include <QString>
#include <string_view>

namespace vantrel {

// The plain code's texts are UTF-8 and need not end in a null.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vantrel
