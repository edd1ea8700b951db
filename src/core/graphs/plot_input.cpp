#include "graphs/plot_input.h"

#include "model/account_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

namespace finplan {

namespace {

constexpr float kLargestValue = 1.0e12f;
constexpr int kMaxSeries = 10;
constexpr std::size_t kMaxSeriesPoints = 5000;

// A failed read, thrown inside the reader only and turned into a PlotReadError at its edge.
struct Failure {
    int line;
    std::string message;
};

// The file's lines one after the other; a last line without its newline counts, a carriage
// return before the newline does not.
class Lines {
public:
    explicit Lines(std::string_view text)
        : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    int number() const { return m_line; }

    std::string_view next(std::string_view what) {
        if (atEnd()) {
            throw Failure{m_line + 1, "the file ends where " + std::string(what) + " should be"};
        }
        const std::size_t end = m_text.find('\n', m_pos);
        std::string_view line = m_text.substr(
            m_pos, end == std::string_view::npos ? std::string_view::npos : end - m_pos);
        m_pos = end == std::string_view::npos ? m_text.size() : end + 1;
        ++m_line;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        return line;
    }

    // The next line without taking it; empty at the end.
    std::string_view peek() const {
        Lines copy = *this;
        return copy.atEnd() ? std::string_view() : copy.next("");
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 0;
};

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

// The numbers of a line, separated by blanks.
std::optional<std::vector<float>> numbers(std::string_view line) {
    std::vector<float> values;
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && isSpace(line[pos])) {
            ++pos;
        }
        if (pos == line.size()) {
            return values;
        }
        std::size_t end = pos;
        while (end < line.size() && !isSpace(line[end])) {
            ++end;
        }
        // from_chars takes no leading '+'; printf never writes one.
        float value = 0.0f;
        const auto [stop, error] = std::from_chars(line.data() + pos, line.data() + end, value);
        if (error != std::errc() || stop != line.data() + end || !std::isfinite(value) ||
            std::fabs(value) >= kLargestValue) {
            return std::nullopt;
        }
        values.push_back(value);
        pos = end;
    }
}

float number(Lines& lines, std::string_view what) {
    const std::string_view line = lines.next(what);
    const auto values = numbers(line);
    if (!values || values->size() != 1) {
        throw Failure{lines.number(), "expected " + std::string(what) + ", found \"" +
                                          std::string(line.substr(0, 40)) + "\""};
    }
    return values->front();
}

int wholeNumber(Lines& lines, std::string_view what, int lowest, int highest) {
    const float value = number(lines, what);
    if (value != std::trunc(value) || value < static_cast<float>(lowest) ||
        value > static_cast<float>(highest)) {
        throw Failure{lines.number(), "expected " + std::string(what) + " from " +
                                          std::to_string(lowest) + " to " +
                                          std::to_string(highest)};
    }
    return static_cast<int>(value);
}

bool isDone(std::string_view line) {
    return line.starts_with("Done");
}

// The A balance lines of a point, then its line of numbers.
std::pair<std::vector<float>, std::vector<float>> point(Lines& lines, int accounts) {
    std::vector<float> balances;
    for (int i = 0; i < accounts; ++i) {
        balances.push_back(number(lines, "an account balance"));
    }
    const std::string_view line = lines.next("a line of values");
    const auto values = numbers(line);
    if (!values) {
        throw Failure{lines.number(), "this line holds something that is not a number"};
    }
    return {std::move(balances), *values};
}

struct Header {
    int kind = 1;
    std::array<std::string, 3> captions;
    float length = 0.0f;
    std::vector<std::string> names;
};

Header header(Lines& lines) {
    Header h;
    h.kind = wholeNumber(lines, "the graph kind", -1000, 1000);
    for (std::string& caption : h.captions) {
        caption = std::string(lines.next("a caption").substr(0, 200));
    }
    h.length = number(lines, "the number of years");
    const int count = wholeNumber(lines, "the number of accounts", 0, kMaxAccounts);
    for (int i = 0; i < count; ++i) {
        h.names.emplace_back(lines.next("an account name").substr(0, 60));
    }
    return h;
}

using Point = std::pair<std::vector<float>, std::vector<float>>;

// The first year has been read already when it told the file's kind; a plot of no years (or a
// graph file that ends at once) has none.
ScenarioPlot scenarioPlot(Lines& lines, Header&& h, std::optional<Point> first) {
    if (h.length < 0.0f || h.length >= static_cast<float>(kMaxShownYears) + 1.0f) {
        throw Failure{5, "a plot of " + std::to_string(static_cast<long long>(h.length)) +
                             " years; at most 100 can be shown"};
    }
    ScenarioPlot plot;
    plot.graphKind = h.kind;
    plot.captions = std::move(h.captions);
    plot.accountNames = std::move(h.names);
    const int accounts = static_cast<int>(plot.accountNames.size());
    const int years = static_cast<int>(h.length);
    auto addYear = [&plot](std::vector<float> opening, const std::vector<float>& values) {
        PlotYear year{std::move(opening), {}};
        std::copy(values.begin(), values.end(), year.fields.begin());
        plot.years.push_back(std::move(year));
    };
    if (first) {
        addYear(std::move(first->first), first->second);
    }
    plot.accountGroups.assign(plot.accountNames.size(), 0);
    while (static_cast<int>(plot.years.size()) < years) {
        if (isDone(lines.peek())) {
            return plot; // a graph file copied from a plot file that ended early
        }
        auto [opening, values] = point(lines, accounts);
        if (values.size() != kYearResultFields) {
            throw Failure{lines.number(), "a year line must hold 20 numbers, this one holds " +
                                              std::to_string(values.size())};
        }
        addYear(std::move(opening), values);
    }
    for (std::string& name : plot.groupNames) {
        name = std::string(lines.next("a group name").substr(0, 20));
    }
    for (int& group : plot.accountGroups) {
        group = wholeNumber(lines, "an account's group", 0, kGroupCount - 1);
    }
    if (!isDone(lines.next("the closing \"Done\""))) {
        throw Failure{lines.number(), "expected the closing \"Done\""};
    }
    return plot;
}

SeriesPlot seriesPlot(Lines& lines, Header&& h, const std::vector<float>& first) {
    if (h.names.empty() || static_cast<int>(h.names.size()) > kMaxSeries) {
        throw Failure{6, "a calculator plot holds 1 to 10 series"};
    }
    SeriesPlot plot;
    plot.axisLength = h.length;
    plot.names = std::move(h.names);
    const int series = static_cast<int>(plot.names.size());
    auto addPoint = [&plot](const std::vector<float>& values) {
        plot.points.push_back({values.front(), {values.begin() + 1, values.end()}});
    };
    addPoint(first);
    while (!lines.atEnd()) {
        const std::string_view next = lines.peek();
        if (isDone(next)) {
            plot.kind = SeriesKind::TradeOff;
            return plot;
        }
        if (next.empty()) {
            lines.next("");
            if (lines.atEnd()) {
                break; // a blank last line
            }
            throw Failure{lines.number(), "an empty line among the points"};
        }
        if (plot.points.size() == kMaxSeriesPoints) {
            throw Failure{lines.number() + 1, "more than 5000 points"};
        }
        const std::vector<float> values = point(lines, series).second;
        if (static_cast<int>(values.size()) != series + 1) {
            throw Failure{lines.number(),
                          "expected " + std::to_string(series + 1) + " numbers on this line"};
        }
        addPoint(values);
    }
    plot.kind = SeriesKind::Refinance;
    return plot;
}

PlotInput read(std::string_view text) {
    Lines lines(text);
    Header h = header(lines);
    const int accounts = static_cast<int>(h.names.size());
    if (isDone(lines.peek()) || (h.length >= 0.0f && h.length < 1.0f)) {
        return scenarioPlot(lines, std::move(h), std::nullopt);
    }
    Point first = point(lines, accounts);
    if (first.second.size() == kYearResultFields) {
        return scenarioPlot(lines, std::move(h), std::move(first));
    }
    if (static_cast<int>(first.second.size()) == accounts + 1) {
        return seriesPlot(lines, std::move(h), first.second);
    }
    throw Failure{lines.number(),
                  "neither a scenario's year (20 numbers) nor a calculator plot's point (" +
                      std::to_string(accounts + 1) + " numbers)"};
}

} // namespace

PlotInput readPlotInput(std::string_view text) {
    try {
        return read(text);
    } catch (const Failure& failure) {
        return PlotReadError{failure.line, failure.message};
    }
}

} // namespace finplan
