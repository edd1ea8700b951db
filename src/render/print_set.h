#pragma once

#include "model/app_settings.h"
#include "reports/print_captions.h"
#include "reports/print_kind.h"

#include <QColor>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace finplan::render {

// How report pages look: the Report Options switches and the report font's face.
struct PageStyle {
    bool banding = false;
    bool boxing = false;
    bool columns = false;
    QColor bandColor = QColor(212, 208, 200); // the scroll-bar grey
    QString fontFamily;                       // empty: the system's sans serif
};

// One report's pages for the printer: its name and the texts of its page files 1..n, as
// read when the report was written; an unreadable page is empty and fails to print.
struct PrintSet {
    PrintName name;
    std::vector<std::optional<std::string>> pages;

    int pageCount() const { return static_cast<int>(pages.size()); }
};

// Everything a page needs besides its set: the job's captions, style and margins.
struct PageSetting {
    PrintCaptions captions;
    PageStyle style;
    PageMargins margins;
};

} // namespace finplan::render
