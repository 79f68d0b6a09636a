#include <QPrinter>
#include <QPrinterInfo>
#include <optional>

#include "tape/calc_tape.h"
#include "tape/tape_printer.h"

namespace vantrel {

namespace {

QString CouldNotPrint(const QString& reason) {
    return QStringLiteral("The tape could not be printed: %1.").arg(reason);
}

QString NotAccepted(const QString& name) {
    return CouldNotPrint(QStringLiteral("the printer \"%1\" did not accept the job").arg(name));
}

// Points `printer` at the installed printer `name`, or says why it cannot. Qt ignores an
// unknown name and keeps its default printer, and with no name it writes a PDF file; neither
// is the printer the user chose.
std::optional<QString> UsePrinter(QPrinter& printer, const QString& name) {
    if (name.isEmpty()) {
        return CouldNotPrint(QStringLiteral("no printer is installed"));
    }
    if (QPrinterInfo::printerInfo(name).isNull()) {
        return CouldNotPrint(QStringLiteral("the printer \"%1\" is no longer installed").arg(name));
    }
    printer.setPrinterName(name);
    if (printer.outputFormat() != QPrinter::NativeFormat ||
        printer.printerName().compare(name, Qt::CaseInsensitive) != 0) {
        return NotAccepted(name);
    }
    return std::nullopt;
}

}  // namespace

void CalcTape::PrintContent() {
    if (m_store.CurrentLine() == 0) {
        m_printNotice(QStringLiteral("Nothing to print"));
        return;
    }
    if (const std::optional<QString> failure = PrintOnCurrentPrinter()) {
        m_printNotice(*failure);
    }
}

// The tape itself is untouched whatever happens to the job.
std::optional<QString> CalcTape::PrintOnCurrentPrinter() const {
    try {
        QPrinter printer(QPrinter::HighResolution);
        if (std::optional<QString> problem = UsePrinter(printer, m_printerName)) {
            return problem;
        }
        printer.setDocName(QStringLiteral("Vantrel Calculator tape"));
        if (!PrintTape(printer, m_store, m_font.family(), m_marks)) {
            return NotAccepted(m_printerName);
        }
        return std::nullopt;
    } catch (const std::exception&) {
        return QStringLiteral("The tape could not be printed.");
    }
}

}  // namespace vantrel
