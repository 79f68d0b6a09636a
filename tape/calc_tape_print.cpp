#include <QPrinter>

#include "tape/calc_tape.h"
#include "tape/tape_printer.h"

namespace vantrel {

void CalcTape::PrintContent() {
    if (m_store.CurrentLine() == 0) {
        m_nothingToPrint();
        return;
    }
    try {
        QPrinter printer(QPrinter::HighResolution);
        if (!m_printerName.isEmpty()) {
            printer.setPrinterName(m_printerName);
        }
        printer.setDocName(QStringLiteral("Vantrel Calculator tape"));
        PrintTape(printer, m_store, m_font.family(), m_marks);
    } catch (const std::exception&) {
        // A printer failure ends the printout silently; the tape itself is untouched.
    }
}

}  // namespace vantrel
