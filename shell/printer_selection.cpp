#include "shell/printer_selection.h"

#include <utility>

namespace vantrel {

namespace {

// With printers installed but no default set, printing on the first one is what the system
// itself would do; starting there keeps the menu's check mark on the printer really used.
QString StartingPrinter(const PrinterNames& printers) {
    const QStringList& names = printers.deviceNames;
    const QString fallback = names.isEmpty() ? QString() : names.front();
    for (const QString& name : names) {
        if (name.compare(printers.defaultName, Qt::CaseInsensitive) == 0) {
            return name;
        }
    }
    return fallback;
}

}  // namespace

void PrinterSelection::Reset(PrinterNames printers) {
    m_current = StartingPrinter(printers);
    m_printers = std::move(printers);
    m_listed = true;
}

bool PrinterSelection::SelectPrinter(const QString& name) {
    bool found = false;
    for (const QString& installed : m_printers.deviceNames) {
        if (installed.compare(name, Qt::CaseInsensitive) == 0) {
            m_current = installed;
            found = true;
        }
    }
    return found;
}

bool ListsPrinter(const QStringList& names, const QString& name) {
    return names.contains(name, Qt::CaseInsensitive);
}

}  // namespace vantrel
