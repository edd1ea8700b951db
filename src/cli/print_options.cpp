#include "cli/print_options.h"

#include <charconv>
#include <ostream>

namespace finplan::cli {

namespace {

constexpr int kMostCopies = 999;

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<PageMargins> marginsFrom(std::string_view text) {
    std::array<int, 4> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t comma = text.find(',');
        const bool last = i + 1 == values.size();
        if (last != (comma == std::string_view::npos)) {
            return std::nullopt;
        }
        const auto value = wholeNumber(text.substr(0, comma));
        if (!value || *value < 0) {
            return std::nullopt;
        }
        values[i] = *value;
        text = last ? std::string_view() : text.substr(comma + 1);
    }
    return PageMargins{values[0], values[1], values[2], values[3]};
}

// A usage problem of the print options, if any; fills the request.
std::optional<std::string> readOptions(const CliArguments& arguments, PdfRequest& request) {
    const auto number = [&](std::string_view option, int low, int high, int& into) {
        const auto text = arguments.value(option);
        if (!text) {
            return true;
        }
        const auto value = wholeNumber(*text);
        if (!value || *value < low || *value > high) {
            return false;
        }
        into = *value;
        return true;
    };
    if (!number("--from", 0, 1000000, request.choice.from) ||
        !number("--to", 0, 1000000, request.choice.to)) {
        return "--from and --to take page numbers (0 is the title page)";
    }
    if (request.choice.to >= 0 && request.choice.from > request.choice.to) {
        return "--from is after --to";
    }
    if (!number("--copies", 1, kMostCopies, request.choice.copies)) {
        return "--copies takes a number from 1 to 999";
    }
    request.choice.collate = arguments.has("--collate");
    const std::string paper = arguments.value("--paper").value_or("letter");
    if (paper != "letter" && paper != "a4") {
        return "--paper takes letter or a4";
    }
    request.a4 = paper == "a4";
    request.landscape = arguments.has("--landscape");
    if (const auto margins = arguments.value("--margins")) {
        request.margins = marginsFrom(*margins);
        if (!request.margins) {
            return "--margins takes L,T,R,B in thousandths of an inch";
        }
    }
    request.banding = arguments.has("--banding");
    request.boxing = arguments.has("--boxing");
    request.columns = arguments.has("--columns");
    return std::nullopt;
}

bool anyPrintOption(const CliArguments& arguments) {
    for (const std::string_view flag : kPrintFlags) {
        if (arguments.has(flag)) {
            return true;
        }
    }
    for (const std::string_view option : kPrintValued) {
        if (arguments.value(option)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<PdfRequest> readPdfRequest(const CliContext& context, const CliArguments& arguments,
                                         ExitCode& status) {
    const auto usage = [&](const std::string& text) {
        context.err << "finplan-cli: " << text << '\n';
        status = ExitCode::Usage;
        return std::nullopt;
    };
    const auto file = arguments.value("--pdf");
    if (!file) {
        if (anyPrintOption(arguments)) {
            return usage("the print options belong to --pdf FILE");
        }
        return std::nullopt;
    }
    if (file->empty()) {
        return usage("--pdf needs a file name");
    }
    PdfRequest request;
    request.file = *file;
    if (const auto problem = readOptions(arguments, request)) {
        return usage(*problem);
    }
    std::error_code error;
    if (std::filesystem::exists(request.file, error) && !context.answerYes) {
        return usage(*file + " was not overwritten (add --yes to replace it)");
    }
    return request;
}

} // namespace finplan::cli
