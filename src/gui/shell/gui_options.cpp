#include "gui/shell/gui_options.h"

#include "model/command_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace finplan::gui {

namespace {

constexpr std::array<std::string_view, 7> kSwitchWords = {"IDON",    "QUIL", "LIGHTER",   "DARKER",
                                                          "SUMMARY", "GRAY", "DARKYELLOW"};

// Qt's own options (taken by the application object) that are followed by a value.
constexpr std::array<std::string_view, 13> kQtValueOptions = {
    "-platform",    "-platformpluginpath", "-platformtheme", "-plugin",     "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle",       "-style",         "-stylesheet", "-session",
    "-display",     "-geometry",           "-title"};

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool parseSize(std::string_view text, GuiOptions& options) {
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) {
        return false;
    }
    const auto width = wholeNumber(text.substr(0, x));
    const auto height = wholeNumber(text.substr(x + 1));
    const auto fits = [](int side) {
        return side >= kSmallestGrabSide && side <= kLargestGrabSide;
    };
    if (!width || !height || !fits(*width) || !fits(*height)) {
        return false;
    }
    options.grabWidth = width;
    options.grabHeight = height;
    return true;
}

} // namespace

GuiOptions parseGuiOptions(const std::vector<std::string>& args) {
    GuiOptions options;
    std::string joined;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        joined += (i == 0 ? "" : " ") + arg;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        const bool valued = arg == "--workdir" || arg == "--grab" || arg == "--tab" ||
                            arg == "--size" || arg == "--command" || arg == "--event" ||
                            arg == "--button";
        if (valued) {
            if (i + 1 >= args.size()) {
                options.error = arg + " needs a value";
                return options;
            }
            const std::string& value = args[++i];
            joined += " " + value;
            if (arg == "--workdir") {
                options.workDir = value;
            } else if (arg == "--grab") {
                options.grabFile = value;
            } else if (arg == "--button") {
                options.grabButton = value;
            } else if (arg == "--tab") {
                const auto tab = wholeNumber(value);
                if (!tab || *tab < 0) {
                    options.error = "--tab takes a folder number from 0, got \"" + value + "\"";
                    return options;
                }
                options.grabTab = *tab;
            } else if (arg == "--command" || arg == "--event") {
                const auto number = wholeNumber(value);
                if (!number || *number < 0) {
                    options.error = arg + " takes a number from 0, got \"" + value + "\"";
                    return options;
                }
                (arg == "--command" ? options.grabCommand : options.grabEvent) = number;
            } else if (!parseSize(value, options)) {
                options.error =
                    "--size takes WIDTHxHEIGHT, each from 200 to 8000, got \"" + value + "\"";
                return options;
            }
        } else if (arg.starts_with("--")) {
            options.error = "unknown option \"" + arg + "\"";
            return options;
        } else if (arg.starts_with("-")) {
            // Qt's option, and its value when it has one.
            if (std::find(kQtValueOptions.begin(), kQtValueOptions.end(), arg) !=
                    kQtValueOptions.end() &&
                i + 1 < args.size()) {
                joined += " " + args[++i];
            }
        } else if (std::find(kSwitchWords.begin(), kSwitchWords.end(), arg) == kSwitchWords.end()) {
            if (options.scenarioFile) {
                options.error = "more than one scenario file given";
                return options;
            }
            options.scenarioFile = arg;
        }
    }
    if (!options.grabFile && (options.grabWidth || options.grabTab != 0)) {
        options.error = "--tab and --size belong to --grab";
        return options;
    }
    if (!options.grabFile && (options.grabCommand || options.grabEvent)) {
        options.error = "--command and --event belong to --grab";
        return options;
    }
    if (options.grabButton && (options.grabCommand || !options.grabFile)) {
        options.error = "--button belongs to --event or --tab";
        return options;
    }
    if (options.grabCommand && options.grabEvent) {
        options.error = "--command and --event cannot both be given";
        return options;
    }
    // The switch words count wherever they stand in the command line.
    options.switches = scanCommandLine(joined);
    return options;
}

} // namespace finplan::gui
