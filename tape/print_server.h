#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// How a conversation with the print server ended.
enum class ServerAnswer {
    Answered,
    // Nothing takes the connection: no scheduler is running.
    Unreachable,
    // The connection was taken but no answer came before the deadline.
    Silent,
    // The server does not know the printer.
    UnknownPrinter,
    // The server refused the request.
    Refused,
};

struct ServerPrinters {
    ServerAnswer answer = ServerAnswer::Answered;
    std::vector<std::string> names;  // in the server's enumeration order
    std::string defaultName;         // empty when none is set
};

// A page size in millimetres.
struct PageMillimetres {
    double width = 0;
    double height = 0;
};

struct PrinterPage {
    ServerAnswer answer = ServerAnswer::Answered;
    PageMillimetres page;
};

using ServerDeadline = std::chrono::steady_clock::time_point;

// How long the print server may take over one question or one printout.
constexpr std::chrono::seconds kPrintServerLimit{30};
// How much longer a caller waits for a worker that keeps that limit: a few waits of the library,
// such as looking up the server's host name, know no deadline.
constexpr std::chrono::seconds kPrintServerOverrun{5};

// The print server the environment names now (CUPS_SERVER); empty when it names none, and the
// library's own choice (client.conf, then the local scheduler) holds. Read when the user asks,
// and handed to the worker that asks the server later, so that it asks the server named then.
std::string NamedPrintServer();

// Each call opens its own connection to `server`, so that every wait on it ends at
// `deadline`: the library's shared connection waits a minute per attempt whatever it is told.
// They block, and belong on a worker thread.
ServerPrinters ReadServerPrinters(const std::string& server, ServerDeadline deadline);
// The printer's default page; A4 when it names none that can be read.
PrinterPage ReadPrinterPage(const std::string& server, std::string_view printer,
                            ServerDeadline deadline);
ServerAnswer SendPdfJob(const std::string& server, std::string_view printer, std::string_view title,
                        std::string_view pdf, ServerDeadline deadline);

// The size a media name in the printing standards' form carries, such as "iso_a4_210x297mm" or
// "na_letter_8.5x11in"; zero for a name without one.
PageMillimetres MediaSize(std::string_view media);

}  // namespace vantrel
