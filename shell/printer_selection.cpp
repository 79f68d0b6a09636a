#include "shell/printer_selection.h"

#include <utility>

namespace vantrel {

namespace {

// With printers installed but no default set, Qt itself prints on the first one; starting
// there keeps the menu's check mark on the printer that would really be used.
QString StartingPrinter(const PrinterList& printers) {
    const QStringList names = printers.DeviceNames();
    const QString fallback = names.isEmpty() ? QString() : names.front();
    const QString preferred = printers.DefaultName();
    for (const QString& name : names) {
        if (name.compare(preferred, Qt::CaseInsensitive) == 0) {
            return name;
        }
    }
    return fallback;
}

}  // namespace

PrinterSelection::PrinterSelection(std::unique_ptr<PrinterList> printers)
    : m_printers(std::move(printers)), m_current(StartingPrinter(*m_printers)) {}

bool PrinterSelection::SelectPrinter(const QString& name) {
    bool found = false;
    for (const QString& installed : m_printers->DeviceNames()) {
        if (installed.compare(name, Qt::CaseInsensitive) == 0) {
            m_current = installed;
            found = true;
        }
    }
    return found;
}

}  // namespace vantrel
