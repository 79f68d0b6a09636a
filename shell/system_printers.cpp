#include "shell/system_printers.h"

#include <QPrinterInfo>

namespace vantrel {

namespace {

class SystemPrinters : public PrinterList {
  public:
    QStringList DeviceNames() const override { return QPrinterInfo::availablePrinterNames(); }
    QString DefaultName() const override { return QPrinterInfo::defaultPrinterName(); }
};

}  // namespace

std::unique_ptr<PrinterList> MakeSystemPrinters() {
    return std::make_unique<SystemPrinters>();
}

}  // namespace vantrel
