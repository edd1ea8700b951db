#include "reports/page_reader.h"

#include "reports/report_lines.h"

namespace finplan {

namespace {

bool startsLikeDataRow(std::string_view line) {
    const std::string_view start = line.substr(0, 4);
    return start.find_first_of("123456789") != std::string_view::npos;
}

PageLine pageLine(std::string_view line) {
    PageLine parsed;
    if (isRuleLine(line)) {
        parsed.kind = PageLine::Kind::Rule;
        return parsed;
    }
    parsed.dataRow = startsLikeDataRow(line);
    for (const std::string_view piece : splitTabs(line)) {
        const std::string_view cell = trimmed(piece);
        if (cell.empty()) {
            continue;
        }
        if (parsed.cells.size() == kMaxPageColumns) {
            break;
        }
        parsed.cells.emplace_back(cell);
    }
    return parsed;
}

} // namespace

PageText parsePage(std::string_view text) {
    PageText page;
    const std::vector<std::string_view> lines = linesBeforeEnd(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        PageLine line = pageLine(lines[i]);
        if (i == 0 && line.kind == PageLine::Kind::Text) {
            page.header = line.cells;
        }
        page.lines.push_back(std::move(line));
    }
    return page;
}

std::optional<PageText> readPage(const std::filesystem::path& path) {
    const auto text = readReportFile(path);
    if (!text) {
        return std::nullopt;
    }
    return parsePage(*text);
}

std::vector<std::optional<std::string>> readPageTexts(const std::filesystem::path& workDir,
                                                      const std::vector<std::string>& names) {
    std::vector<std::optional<std::string>> pages;
    pages.reserve(names.size());
    for (const std::string& name : names) {
        pages.push_back(readReportFile(workDir / name));
    }
    return pages;
}

} // namespace finplan
