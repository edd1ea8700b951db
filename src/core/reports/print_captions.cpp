#include "reports/print_captions.h"

#include "model/text_field.h"
#include "results/text_format.h"

namespace finplan {

namespace {

std::string titleText(const std::array<char, 60>& field) {
    return std::string(fieldText(field));
}

} // namespace

PrintCaptions printCaptions(std::string fileName, const LocalDateTime& now,
                            const ReportTitles& titles) {
    return {std::move(fileName), formatText("%02d/%02d/%02d", now.month, now.day, now.year % 100),
            formatText("%02d:%02d:%02d", now.hour, now.minute, now.second), titles};
}

std::array<std::string, 3> titlePageCaptions(const PrintCaptions& c) {
    return {
        c.titles.useTitle1 == 1 ? titleText(c.titles.title1) : "File: " + c.fileName,
        c.titles.useTitle2 == 1 ? titleText(c.titles.title2) : c.date,
        c.titles.useTitle3 == 1 ? titleText(c.titles.title3) : c.time,
    };
}

std::array<std::string, 3> blockCaptions(const PrintCaptions& c) {
    return {
        c.titles.useTitle1 == 1 ? " " + titleText(c.titles.title1) : " File: " + c.fileName,
        c.titles.useTitle2 == 1 ? formatText(" %20s", titleText(c.titles.title2).c_str())
                                : " " + c.date,
        c.titles.useTitle3 == 1 ? " " + titleText(c.titles.title3) : " " + c.time,
    };
}

} // namespace finplan
