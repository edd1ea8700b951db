// The plot program's reader on any bytes: it gives a scenario, a calculator plot or an error
// with a line inside the text, and every value it hands on is finite and below 1e12.
#include "fuzz_check.h"
#include "graphs/plot_input.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace finplan;

bool sane(float value) {
    return std::isfinite(value) && std::fabs(value) < 1.0e12f;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const PlotInput input = readPlotInput(text);
    if (const auto* error = std::get_if<PlotReadError>(&input)) {
        FUZZ_CHECK(error->line >= 1 && !error->message.empty());
    } else if (const auto* plot = std::get_if<ScenarioPlot>(&input)) {
        FUZZ_CHECK(plot->years.size() <= 100);
        FUZZ_CHECK(plot->accountGroups.size() == plot->accountNames.size());
        for (const PlotYear& year : plot->years) {
            FUZZ_CHECK(year.balances.size() == plot->accountNames.size());
            for (const float value : year.fields) {
                FUZZ_CHECK(sane(value));
            }
        }
    } else if (const auto* series = std::get_if<SeriesPlot>(&input)) {
        for (const SeriesPoint& point : series->points) {
            FUZZ_CHECK(sane(point.x) && point.values.size() == series->names.size());
        }
    }
    return 0;
}
