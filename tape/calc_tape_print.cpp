#include <QPrinter>
#include <QPrinterInfo>

#include "tape/calc_tape.h"
#include "tape/tape_printer.h"

namespace vantrel {

namespace {

// Points `printer` at the installed printer `name`. Qt ignores an unknown name and keeps its
// default printer, and with no name it writes a PDF file; neither is the printer the user
// chose, so both count as no printer.
bool UsePrinter(QPrinter& printer, const QString& name) {
    if (name.isEmpty() || QPrinterInfo::printerInfo(name).isNull()) {
        return false;
    }
    printer.setPrinterName(name);
    return printer.outputFormat() == QPrinter::NativeFormat &&
           printer.printerName().compare(name, Qt::CaseInsensitive) == 0;
}

}  // namespace

void CalcTape::PrintContent() {
    if (m_store.CurrentLine() == 0) {
        m_nothingToPrint();
        return;
    }
    try {
        QPrinter printer(QPrinter::HighResolution);
        if (!UsePrinter(printer, m_printerName)) {
            return;
        }
        printer.setDocName(QStringLiteral("Vantrel Calculator tape"));
        PrintTape(printer, m_store, m_font.family(), m_marks);
    } catch (const std::exception&) {
        // A printer failure ends the printout silently; the tape itself is untouched.
    }
}

}  // namespace vantrel
