#pragma once

#include <memory>

#include "shell/printer_selection.h"

namespace vantrel {

// The printers of the system's printer service (CUPS on the desktop).
std::unique_ptr<PrinterList> MakeSystemPrinters();

}  // namespace vantrel
