#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

// A page file holds at most this many columns a renderer can place; more pieces are ignored.
inline constexpr std::size_t kMaxPageColumns = 12;

// One line of a page file as the report window and the printed page use it.
struct PageLine {
    enum class Kind { Text, Rule };
    Kind kind = Kind::Text;
    // The non-empty pieces between tabs, trimmed, at most kMaxPageColumns.
    std::vector<std::string> cells;
    // Whether the line is a data row: a digit 1 to 9 among its first four characters.
    bool dataRow = false;
};

// A page file: the cells of its first line (the column header) and all its lines, the first
// included, up to the end marker.
struct PageText {
    std::vector<std::string> header;
    std::vector<PageLine> lines;
};

// The lines of a page file's text; bytes after the end marker are not read.
PageText parsePage(std::string_view text);

// A page file of the work directory; empty when it cannot be read.
std::optional<PageText> readPage(const std::filesystem::path& path);

// The whole texts of a report's page files, in order, for the printer; a page that cannot be
// read is empty.
std::vector<std::optional<std::string>> readPageTexts(const std::filesystem::path& workDir,
                                                      const std::vector<std::string>& names);

} // namespace finplan
