#pragma once

#include "model/app_settings.h"
#include "reports/print_kind.h"

namespace finplan {

// A printer page in device pixels: the whole sheet and the pixels per inch.
struct PageDevice {
    int width = 0;
    int height = 0;
    int dpiX = 0;
    int dpiY = 0;
};

// Margins in device pixels.
struct DeviceMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const DeviceMargins&) const = default;
};

// Where a page's text goes: the printable area inside the margins, the report font's height
// and average character width, and the table's columns.
struct PageGeometry {
    DeviceMargins margins;
    int width = 0;  // printable width W
    int height = 0; // printable height H
    int fontHeight = 0;
    int charWidth = 0;
    int firstColumn = 0;   // width of the age or label column
    int columnWidth = 0;   // width of every further column
    int ruledColumns = 0;  // columns the column rules separate; 0: no rules
    bool labelBox = false; // a box around the label column when rules are drawn
};

// The margins of a job in device pixels. Margins a file could hold but no sheet can take
// (negative, or meeting across the page) give way to the defaults for that job.
DeviceMargins deviceMargins(const PageMargins& margins, const PageDevice& device);

// The geometry of a kind's pages on a device; the schedule uses the net worth report's.
PageGeometry pageGeometry(PrintKind kind, const PageDevice& device, const PageMargins& margins);

} // namespace finplan
