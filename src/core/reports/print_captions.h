#pragma once

#include "model/report_titles.h"
#include "platform/clock.h"

#include <array>
#include <string>

namespace finplan {

// What the title page and the title block say besides the report's name: the scenario's
// file name, the date and time of printing, or the user's three titles in their stead.
struct PrintCaptions {
    std::string fileName;
    std::string date; // MM/DD/YY
    std::string time; // HH:MM:SS
    ReportTitles titles;
};

// The captions of a job printed at the given moment.
PrintCaptions printCaptions(std::string fileName, const LocalDateTime& now,
                            const ReportTitles& titles);

// The three centred lines under the block of the title page.
std::array<std::string, 3> titlePageCaptions(const PrintCaptions& captions);

// The three lines of a page's title block under the report's name.
std::array<std::string, 3> blockCaptions(const PrintCaptions& captions);

} // namespace finplan
