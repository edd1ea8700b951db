#include "plot/plot_arguments.h"

namespace finplan::plot {

namespace {

constexpr int kSmallestSide = 200;
constexpr int kLargestSide = 8000;

std::optional<QSize> sizeFrom(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2) {
        return std::nullopt;
    }
    bool wideOk = false;
    bool highOk = false;
    const int width = parts[0].toInt(&wideOk);
    const int height = parts[1].toInt(&highOk);
    if (!wideOk || !highOk || width < kSmallestSide || height < kSmallestSide ||
        width > kLargestSide || height > kLargestSide) {
        return std::nullopt;
    }
    return QSize(width, height);
}

} // namespace

std::variant<PlotArguments, QString> parsePlotArguments(const QStringList& arguments) {
    PlotArguments parsed;
    bool sizeGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
            parsed.help = true;
            return parsed;
        }
        if (argument == QStringLiteral("--compare")) {
            parsed.compare = true;
        } else if (argument == QStringLiteral("--grab")) {
            if (!hasValue) {
                return QStringLiteral("--grab needs the name of the picture to write");
            }
            parsed.grab = arguments[++i];
        } else if (argument == QStringLiteral("--size")) {
            const auto size = hasValue ? sizeFrom(arguments[i + 1]) : std::nullopt;
            if (!size) {
                return QStringLiteral("--size needs WIDTHxHEIGHT, each from 200 to 8000");
            }
            parsed.size = *size;
            sizeGiven = true;
            ++i;
        } else if (argument.startsWith(QStringLiteral("--"))) {
            return QStringLiteral("unknown option %1").arg(argument);
        } else {
            parsed.files.append(argument);
        }
    }
    if (sizeGiven && !parsed.grab) {
        return QStringLiteral("--size goes with --grab");
    }
    if (parsed.files.isEmpty() && (parsed.grab || !parsed.compare)) {
        return QStringLiteral("no file given");
    }
    return parsed;
}

} // namespace finplan::plot
