#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

// The most a report reads of one text file: a run of 100 years and 150 events logs far less.
inline constexpr std::size_t kMaxReportFileBytes = 64u << 20;

// End markers end a file only as a whole line, so an account or event named "Dooone..." is
// just a name.
bool isEndMarker(std::string_view line);
// A rule is a line of hyphens alone; "Sale ----- 2030" is text.
bool isRuleLine(std::string_view line);

// The lines of a text up to (without) its first end-marker line; a last line without its
// newline counts. A carriage return before a newline is dropped.
std::vector<std::string_view> linesBeforeEnd(std::string_view text);

// The pieces between tabs, as they are.
std::vector<std::string_view> splitTabs(std::string_view line);
// Blanks, tabs and carriage returns cut from both ends.
std::string_view trimmed(std::string_view text);

// The number at the start of a text as C's atof reads it; 0 when there is none.
float leadingFloat(std::string_view text);
// The whole number at the start of a text as atoi reads it (clamped to int); 0 for none.
int leadingInt(std::string_view text);

// A whole text file of the work directory; empty when it is missing, not a regular file or
// unreadable.
std::optional<std::string> readReportFile(const std::filesystem::path& path);

} // namespace finplan
