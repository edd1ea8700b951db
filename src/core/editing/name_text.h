#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace finplan {

// A typed name as the scenario keeps it: UTF-8 text made Latin-1 (a character outside it
// becomes '?', as does a byte that is no UTF-8), tabs and other control characters made
// blanks (they would break the run files and exports), cut to `maxChars` characters.
std::string latin1Name(std::string_view utf8, std::size_t maxChars);

// A stored Latin-1 name as UTF-8, for the windows and the command line's fields.
std::string utf8FromLatin1(std::string_view latin1);

} // namespace finplan
