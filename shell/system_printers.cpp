#include "shell/system_printers.h"

#include <string>

#include "tape/print_server.h"
#include "tape/qt/server_call.h"

namespace vantrel {

namespace {

PrinterNames ToNames(const ServerPrinters& printers) {
    PrinterNames names{{}, QString::fromStdString(printers.defaultName)};
    for (const std::string& name : printers.names) {
        names.deviceNames << QString::fromStdString(name);
    }
    return names;
}

class SystemPrinters : public PrinterList {
  public:
    void Read(QObject& owner, std::function<void(const PrinterNames&)> arrived) override {
        CallServer<ServerPrinters>(
            owner, kPrintServerLimit + kPrintServerOverrun,
            [server = NamedPrintServer()] {
                return ReadServerPrinters(server,
                                          std::chrono::steady_clock::now() + kPrintServerLimit);
            },
            [arrived = std::move(arrived)](const std::optional<ServerPrinters>& printers) {
                arrived(printers ? ToNames(*printers) : PrinterNames{});
            });
    }
};

}  // namespace

std::unique_ptr<PrinterList> MakeSystemPrinters() {
    return std::make_unique<SystemPrinters>();
}

}  // namespace vantrel
