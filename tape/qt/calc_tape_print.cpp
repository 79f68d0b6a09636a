#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "tape/print_server.h"
#include "tape/qt/calc_tape.h"
#include "tape/qt/server_call.h"
#include "tape/qt/tape_printer.h"

namespace vantrel {

namespace {

QString CouldNotPrint(const QString& reason) {
    return QStringLiteral("The tape could not be printed: %1.").arg(reason);
}

QString Failure(ServerAnswer answer, const QString& printer) {
    switch (answer) {
        case ServerAnswer::Answered:
            return {};
        case ServerAnswer::Silent:
            return CouldNotPrint(QStringLiteral("the print server did not answer"));
        case ServerAnswer::Unreachable:
        case ServerAnswer::UnknownPrinter:
            return CouldNotPrint(
                QStringLiteral("the printer \"%1\" is no longer installed").arg(printer));
        case ServerAnswer::Refused:
            break;
    }
    return CouldNotPrint(QStringLiteral("the printer \"%1\" did not accept the job").arg(printer));
}

// Runs on a worker: why the tape could not be printed, or empty once the job is sent. The
// page is the printer's own, asked for first, which also finds a printer that has gone.
QString PrintOnServer(const std::string& server, const TapeLineStore& lines, const QString& printer,
                      const QString& fontFamily) {
    const ServerDeadline deadline = std::chrono::steady_clock::now() + kPrintServerLimit;
    const std::string name = printer.toStdString();
    const PrinterPage page = ReadPrinterPage(server, name, deadline);
    if (page.answer != ServerAnswer::Answered) {
        return Failure(page.answer, printer);
    }
    const QString title = QStringLiteral("Vantrel Calculator tape");
    const QByteArray pdf =
        TapePdf(lines, {fontFamily, QSizeF(page.page.width, page.page.height), title}, TapeMarks());
    if (pdf.isEmpty()) {
        return Failure(ServerAnswer::Refused, printer);
    }
    return Failure(
        SendPdfJob(server, name, title.toStdString(),
                   std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())),
                   deadline),
        printer);
}

}  // namespace

void CalcTape::PrintContent() {
    if (m_store.CurrentLine() == 0) {
        m_printNotice(QStringLiteral("Nothing to print"));
        return;
    }
    if (m_printing) {
        m_printNotice(QStringLiteral("The tape is still being printed."));
        return;
    }
    if (m_printerName.isEmpty()) {
        m_printNotice(CouldNotPrint(QStringLiteral("no printer is installed")));
        return;
    }
    m_printing = true;
    // The worker prints a copy: the tape goes on taking lines meanwhile.
    CallServer<QString>(
        *this, kPrintServerLimit + kPrintServerOverrun,
        [server = NamedPrintServer(), lines = m_store, printer = m_printerName,
         family = m_font.family()] {
            try {
                return PrintOnServer(server, lines, printer, family);
            } catch (const std::exception&) {
                return QStringLiteral("The tape could not be printed.");
            }
        },
        [this](std::optional<QString> failure) {
            m_printing = false;
            const QString text = failure ? *failure : Failure(ServerAnswer::Silent, {});
            if (!text.isEmpty()) {
                m_printNotice(text);
            }
        });
}

bool CalcTape::Printing() const {
    return m_printing;
}

}  // namespace vantrel
