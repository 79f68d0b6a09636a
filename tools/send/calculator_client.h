#pragma once

#include <string>
#include <variant>

#include "tools/send/send_request.h"

namespace vantrel {

// Carries out a request on the calculator that owns the well-known name; gives what is to
// be printed on success.
std::variant<std::string, SendError> SendToCalculator(const SendRequest& request);

}  // namespace vantrel
