#pragma once

#include "model/account_table.h"
#include "model/group_table.h"
#include "model/report_titles.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace finplan {

inline constexpr std::string_view kPlotFileName = "plotinf01.tmp";
inline constexpr std::string_view kPlotFileOpenError = "Cannot open plot file.";

// The three caption lines of a run: file name, date and time, each replaced by its report
// title when that title is switched on.
std::array<std::string, 3> plotCaptions(const std::string& fileName, const std::string& dateText,
                                        const std::string& timeText, const ReportTitles& titles);

// Years the unzoomed plot holds: from the whole start age up to the last simulated age.
float plottedYears(float lastSimulatedAge, float startAge);

// The zoom of the graph view as the run needs it: whole ages, 0 for an unmarked one. With
// only a first age the range runs from the start age to it.
struct PlotZoom {
    bool active = false;
    int firstAge = 0;
    int lastAge = 0;
};

// Whole ages first .. last, both included.
struct AgeSpan {
    int first = 0;
    int last = 0;

    int years() const { return last - first + 1; }
};

// The ages a zoomed plot file holds: the zoom range, one year longer when it is short (last
// minus first under 3 for a marked range, under 3 years from the start age for a first age
// alone). None when the zoom is off or has no first age.
std::optional<AgeSpan> zoomedPlotAges(const PlotZoom& zoom, float startAge);

// The plotted-years line of the header: the zoomed ages' count while zoomed, else as above.
float plottedYears(float lastSimulatedAge, float startAge, const PlotZoom& zoom);

// Whether the year lines of an age go into the plot file: every age unzoomed, only the
// zoomed ages while zoomed.
bool plotsAge(float age, float startAge, const PlotZoom& zoom);

// Writes the plot file the graph viewer reads, piece by piece as a run produces it. Writes
// after a failed open, or after the trailer, do nothing.
class PlotFileWriter {
public:
    bool open(const std::filesystem::path& workDir);

    void header(int graphKind, const std::array<std::string, 3>& captions, float years,
                const AccountTable& accounts);

    // The opening balance of each account, one line each.
    void accountBalances(const AccountTable& accounts);

    // Age, the five kind totals and the net worth; the year's flows continue the line.
    void openingTotals(float age, const std::array<float, 6>& totals);
    void flows(const std::array<float, 13>& values);

    // Group names, each account's group and the end marker; closes the file.
    void trailer(const GroupTable& groups, const AccountTable& accounts);
    // After the trailer: "<file>: <cause>" when the file could not be written whole.
    const std::string& failure() const { return m_failure; }

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::unique_ptr<std::FILE, FileCloser> m_file;
    std::filesystem::path m_path;
    std::string m_failure;
};

} // namespace finplan
