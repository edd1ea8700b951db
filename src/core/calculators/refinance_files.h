#pragma once

#include "calculators/refinance_analysis.h"

#include <string>
#include <string_view>

namespace finplan {

inline constexpr std::string_view kRefinanceReportFile = "refprt.tmp";
inline constexpr std::string_view kRefinanceGraphFile = "ref.tmp";

// The bytes of "refprt.tmp": the column titles, both courses at the refinance age, then one
// line per course and year ("%3d O" the existing, "%3d R" the refinanced mortgage), and the
// end marker the printing stops at.
std::string refinanceReportText(const RefinanceAnalysis& analysis);

// The bytes of "ref.tmp" for the refinance plot: the x axis in months, the two series' titles
// and a point every fourth month (without an end marker).
std::string refinanceGraphText(const RefinanceAnalysis& analysis);

} // namespace finplan
