#include "tape/print_server.h"

#include <cups/cups.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <memory>
#include <string>

#include "tape/cups_library.h"

namespace vantrel {
namespace {

using Clock = std::chrono::steady_clock;

// How often a wait on the server looks at its deadline.
constexpr double kPollSeconds = 0.25;
constexpr double kMillimetresPerInch = 25.4;
constexpr PageMillimetres kA4{210, 297};

struct HttpClose {
    decltype(&::httpClose) close;
    void operator()(http_t* http) const { close(http); }
};
struct IppDelete {
    decltype(&::ippDelete) free;
    void operator()(ipp_t* ipp) const { free(ipp); }
};
using Connection = std::unique_ptr<http_t, HttpClose>;
using Response = std::unique_ptr<ipp_t, IppDelete>;

int BeforeDeadline(http_t*, void* deadline) {
    return Clock::now() < *static_cast<const ServerDeadline*>(deadline) ? 1 : 0;
}

int MillisecondsLeft(ServerDeadline deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 1));
}

// The deadline must outlive the connection: the library reads it at every poll.
Connection Connect(const CupsLibrary& cups, const std::string& server,
                   const ServerDeadline& deadline) {
    // The library keeps the server of each thread; every call runs on a worker of its own.
    cups.cupsSetServer(server.empty() ? nullptr : server.c_str());
    int cancel = 0;
    Connection http(
        cups.httpConnect2(cups.cupsServer(), cups.ippPort(), nullptr, AF_UNSPEC,
                          cups.cupsEncryption(), 1, MillisecondsLeft(deadline), &cancel),
        HttpClose{cups.httpClose});
    if (http) {
        cups.httpSetTimeout(http.get(), kPollSeconds, BeforeDeadline,
                            const_cast<ServerDeadline*>(&deadline));
    }
    return http;
}

Response Answer(const CupsLibrary& cups, ipp_t* response) {
    return Response(response, IppDelete{cups.ippDelete});
}

ServerAnswer FailureOf(const CupsLibrary& cups, const Response& response, ServerDeadline deadline) {
    if (!response) {
        return Clock::now() >= deadline ? ServerAnswer::Silent : ServerAnswer::Refused;
    }
    const ipp_status_t status = cups.ippGetStatusCode(response.get());
    if (status == IPP_STATUS_ERROR_NOT_FOUND) {
        return ServerAnswer::UnknownPrinter;
    }
    return status > IPP_STATUS_OK_EVENTS_COMPLETE ? ServerAnswer::Refused : ServerAnswer::Answered;
}

std::string PrinterUri(const CupsLibrary& cups, std::string_view printer) {
    char uri[HTTP_MAX_URI];
    const std::string name(printer);
    cups.httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost",
                          cups.ippPort(), "/printers/%s", name.c_str());
    return uri;
}

ipp_t* PrinterRequest(const CupsLibrary& cups, ipp_op_t operation, std::string_view printer) {
    ipp_t* request = cups.ippNewRequest(operation);
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                      PrinterUri(cups, printer).c_str());
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                      cups.cupsUser());
    return request;
}

double Number(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

}  // namespace

std::string NamedPrintServer() {
    const char* named = std::getenv("CUPS_SERVER");
    return named != nullptr ? named : "";
}

ServerPrinters ReadServerPrinters(const std::string& server, ServerDeadline deadline) {
    const CupsLibrary* cups = Cups();
    const Connection http = cups != nullptr ? Connect(*cups, server, deadline) : Connection();
    if (!http) {
        return {ServerAnswer::Unreachable, {}, {}};
    }
    cups_dest_t* dests = nullptr;
    const int count = cups->cupsGetDests2(http.get(), &dests);
    ServerPrinters printers;
    if (count == 0 && Clock::now() >= deadline) {
        printers.answer = ServerAnswer::Silent;
    }
    for (int i = 0; i < count; ++i) {
        std::string name = dests[i].name;
        if (dests[i].instance != nullptr) {
            name += '/';
            name += dests[i].instance;
        }
        if (dests[i].is_default != 0) {
            printers.defaultName = name;
        }
        printers.names.push_back(std::move(name));
    }
    cups->cupsFreeDests(count, dests);
    return printers;
}

PrinterPage ReadPrinterPage(const std::string& server, std::string_view printer,
                            ServerDeadline deadline) {
    const CupsLibrary* cups = Cups();
    const Connection http = cups != nullptr ? Connect(*cups, server, deadline) : Connection();
    if (!http) {
        return {ServerAnswer::Unreachable, {}};
    }
    ipp_t* request = PrinterRequest(*cups, IPP_OP_GET_PRINTER_ATTRIBUTES, printer);
    cups->ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                       "media-default");
    const Response response = Answer(*cups, cups->cupsDoRequest(http.get(), request, "/"));
    const ServerAnswer answer = FailureOf(*cups, response, deadline);
    if (answer != ServerAnswer::Answered) {
        return {answer, {}};
    }
    ipp_attribute_t* media = cups->ippFindAttribute(response.get(), "media-default", IPP_TAG_ZERO);
    const char* name = media != nullptr ? cups->ippGetString(media, 0, nullptr) : nullptr;
    const PageMillimetres page = MediaSize(name != nullptr ? name : "");
    return {answer, page.width > 0 ? page : kA4};
}

ServerAnswer SendPdfJob(const std::string& server, std::string_view printer, std::string_view title,
                        std::string_view pdf, ServerDeadline deadline) {
    const CupsLibrary* cups = Cups();
    const Connection http = cups != nullptr ? Connect(*cups, server, deadline) : Connection();
    if (!http) {
        return ServerAnswer::Unreachable;
    }
    ipp_t* request = PrinterRequest(*cups, IPP_OP_PRINT_JOB, printer);
    cups->ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr,
                       std::string(title).c_str());
    cups->ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr,
                       "application/pdf");
    const std::string resource = "/printers/" + std::string(printer);
    // The length is that of the whole body: the request, then the document.
    http_status_t status = cups->cupsSendRequest(http.get(), request, resource.c_str(),
                                                 cups->ippLength(request) + pdf.size());
    if (status == HTTP_STATUS_CONTINUE) {
        status = cups->cupsWriteRequestData(http.get(), pdf.data(), pdf.size());
    }
    const Response response = Answer(
        *cups, status == HTTP_STATUS_CONTINUE ? cups->cupsGetResponse(http.get(), resource.c_str())
                                              : nullptr);
    cups->ippDelete(request);
    return FailureOf(*cups, response, deadline);
}

PageMillimetres MediaSize(std::string_view media) {
    const std::size_t sizeStart = media.rfind('_');
    const std::size_t cross = media.find('x', sizeStart);
    if (sizeStart == std::string_view::npos || cross == std::string_view::npos) {
        return {};
    }
    const std::string_view unit =
        media.substr(media.size() - std::min<std::size_t>(2, media.size()));
    const double scale = unit == "mm" ? 1 : unit == "in" ? kMillimetresPerInch : 0;
    const std::size_t unitStart = media.size() - unit.size();
    if (scale == 0 || unitStart <= cross) {
        return {};
    }
    const double width = Number(media.substr(sizeStart + 1, cross - sizeStart - 1));
    const double height = Number(media.substr(cross + 1, unitStart - cross - 1));
    if (width <= 0 || height <= 0) {
        return {};
    }
    return {width * scale, height * scale};
}

}  // namespace vantrel
