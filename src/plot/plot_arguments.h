#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace finplan::plot {

// The command line of finplan-plot:
//   finplan-plot [--compare] FILE...
//   finplan-plot --grab OUT.png [--size WxH] [--compare] FILE...
struct PlotArguments {
    bool compare = false;
    std::optional<QString> grab;
    QSize size{1024, 768};
    QStringList files;
    bool help = false; // --help or -h: the usage, and nothing else
};

inline constexpr const char* kPlotUsage =
    "usage: finplan-plot [--compare] FILE...\n"
    "       finplan-plot --grab OUT.png [--size WxH] [--compare] FILE...\n";

// The arguments after the program's name, or what is wrong with them.
std::variant<PlotArguments, QString> parsePlotArguments(const QStringList& arguments);

} // namespace finplan::plot
