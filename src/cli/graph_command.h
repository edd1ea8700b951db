#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_context.h"

#include <QGuiApplication>
#include <QSize>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace finplan::cli {

inline constexpr std::array<std::string_view, 1> kGraphFlags = {"--summary"};
inline constexpr std::array<std::string_view, 10> kGraphValued = {
    "--kind", "--style",  "--size", "--png",   "--pdf",
    "--year", "--source", "--page", "--today", "--workdir"};
inline constexpr OptionSpec kGraphOptions{kGraphFlags, kGraphValued};

// "WxH" within the sizes an image may have; empty for anything else.
std::optional<QSize> imageSize(const std::string& text);

// `graph SCENARIO.RET`: runs the scenario and draws one graph, or the four-graph view, into a
// PNG image as the screen shows it or onto a PDF page as the printer prints it.
ExitCode runGraph(const CliContext& context, const CliArguments& arguments);

} // namespace finplan::cli
