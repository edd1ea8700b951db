#pragma once

#include "model/print_font.h"
#include "model/scenario.h"

#include <string>

namespace finplan {

// The three fonts of a scenario, by their place among the PrintFont records.
enum class FontRole { Report = 0, ResultValue = 1, Folder = 2 };

// A font as a font dialog offers and returns it.
struct FontChoice {
    std::string face; // UTF-8; kept as at most 31 Latin-1 characters
    int points = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

// The sizes a role offers: report 6-78 points, result values 8-12, folders 8-14.
struct PointRange {
    int min;
    int max;
};
PointRange pointRange(FontRole role);

// The record as a font dialog starts from it: a height of -round(pt x 96 / 72) pixels back to
// points, weight 700 and above bold. A record that holds no font gives points 0.
FontChoice fontChoiceOf(const PrintFont& font);

// A confirmed choice into the record of its role, the size first brought into the role's
// range; the scenario is modified, and a folder font sets the font scale (2.0 above 12
// points, else 0.5).
void storeFontChoice(Scenario& scenario, FontRole role, FontChoice choice);

} // namespace finplan
