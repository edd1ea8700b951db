#include "montecarlo/result_text.h"

#include "results/text_format.h"

namespace finplan {

namespace {

// A whole count with a ',' every three digits: "10,000".
std::string count(int value) {
    const std::string digits = formatText("%d", value);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && digits[i - 1] != '-' && (digits.size() - i) % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }
    return text;
}

double percentOf(int part, int whole) {
    return whole > 0 ? 100.0 * part / whole : 0.0;
}

std::string bandTexts(const Bands& bands, char separator) {
    std::string text;
    for (const float value : bands) {
        text += separator;
        text += formatText("%.2f", static_cast<double>(value));
    }
    return text;
}

std::string ageText(float age) {
    return formatText("%.1f", static_cast<double>(age));
}

} // namespace

std::string chartHeading(const MonteCarloResult& result) {
    return "Net worth of " + count(result.trials) + " trials";
}

std::string successLine(const MonteCarloResult& result) {
    return formatText("Success: %.2f%% (", percentOf(result.successes, result.trials)) +
           count(result.successes) + " of " + count(result.trials) + ")";
}

std::vector<std::string> flagLines(const MonteCarloResult& result) {
    std::vector<std::string> lines;
    for (int k = 0; k < kFlagKinds; ++k) {
        const auto kind = static_cast<FlagKind>(k);
        const FlagShare& share = result.flag(kind);
        if (share.trials > 0) {
            lines.push_back(std::string(flagLabel(kind)) +
                            formatText(": %.2f%%, median first age %d",
                                       percentOf(share.trials, result.trials), share.medianAge));
        }
    }
    return lines;
}

std::vector<std::string> summaryLines(const MonteCarloResult& result) {
    std::vector<std::string> lines{formatText("Trials: %d", result.trials),
                                   formatText("Seed: %u", result.seed), successLine(result)};
    for (std::string& line : flagLines(result)) {
        lines.push_back(std::move(line));
    }
    lines.emplace_back("Age\tP5\tP25\tP50\tP75\tP95");
    for (std::size_t i = 0; i < result.ages.size(); ++i) {
        lines.push_back(ageText(result.ages[i]) + bandTexts(result.netWorth[i], '\t'));
    }
    return lines;
}

std::string bandsCsv(const MonteCarloResult& result) {
    std::string text = "Age";
    for (const char* series : {"Net worth", "Liquid savings"}) {
        for (const int percent : kBandPercents) {
            text += formatText(",%s P%d", series, percent);
        }
    }
    text += '\n';
    for (std::size_t i = 0; i < result.ages.size(); ++i) {
        text += ageText(result.ages[i]) + bandTexts(result.netWorth[i], ',') +
                bandTexts(result.liquid[i], ',') + '\n';
    }
    return text;
}

} // namespace finplan
