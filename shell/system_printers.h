#pragma once

#include <memory>

#include "shell/printer_selection.h"

namespace vantrel {

// The printers of the system's print server (CUPS on the desktop), read on a worker thread.
std::unique_ptr<PrinterList> MakeSystemPrinters();

}  // namespace vantrel
