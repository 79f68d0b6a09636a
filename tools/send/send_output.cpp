#include "tools/send/send_output.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "core/utf8.h"
#include "tape/tape_line_names.h"

namespace vantrel {
namespace {

std::string_view MarkName(int code) {
    return IsTotalCode(code) ? "total" : TapeMarkName(static_cast<TapeOp>(code));
}

std::string TotalText(int code) {
    const int items = code - LineCode(TapeOpTotalBase);
    return "T  " + std::to_string(items) + (items == 1 ? " item" : " items");
}

// The marks as the paper shows them, in plain characters.
std::string MarkText(int code) {
    if (IsTotalCode(code)) {
        return TotalText(code);
    }
    switch (static_cast<TapeOp>(code)) {
        case TapeOpClearAll:
            return "CA";
        case TapeOpSubtract:
            return "-";
        case TapeOpAdd:
            return "+";
        case TapeOpDivide:
            return "/";
        case TapeOpMultiply:
            return "x";
        case TapeOpMemorySubtract:
            return "M-";
        case TapeOpMemoryAdd:
            return "M+";
        case TapeOpMemoryRecall:
            return "MR";
        case TapeOpEquals:
            return "=";
        case TapeOpPercent:
            return "%";
        case TapeOpMemoryClear:
            return "MC";
        case TapeOpValue:
        case TapeOpError:
        default:
            return "";
    }
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

}  // namespace

std::string ReadBackText(const ReadBack& values) {
    return "display\t" + values.display + "\nmemory\t" + values.memory + "\ncounter\t" +
           values.counter + "\nerror\t" + (values.error ? "True" : "False") + "\n";
}

std::string TapeText(const std::vector<TapeRow>& rows) {
    std::size_t width = 0;
    for (const TapeRow& row : rows) {
        width = std::max(width, Utf8Length(row.amount));
    }
    std::string text;
    for (const TapeRow& row : rows) {
        std::string line(width - Utf8Length(row.amount), ' ');
        line += row.amount;
        const std::string mark = MarkText(row.code);
        if (!mark.empty()) {
            line += "  " + mark;
        }
        text += line + '\n';
    }
    return text;
}

std::string TapeCsv(const std::vector<TapeRow>& rows) {
    std::string csv = "amount,code,mark,ink\r\n";
    for (const TapeRow& row : rows) {
        csv += CsvField(row.amount) + ',' + std::to_string(row.code) + ',' +
               std::string(MarkName(row.code)) + ',' + (row.normalInk ? "normal" : "red") + "\r\n";
    }
    return csv;
}

}  // namespace vantrel
