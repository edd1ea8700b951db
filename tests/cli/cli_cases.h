#pragma once

#include <filesystem>
#include <string>

namespace finplan::test {

// Runs finplan-cli once for each case of a file under tests/data whose first word is `word`,
// in file order, and checks what it printed:
//
//   word args="budget @DIR/plan.RET 6 --item 'Car Insurance;99.99'" => code=1 err^="finplan-cli:"
//
// The args are split at blanks; 'quoted' words are kept whole. In args and answers @DIR stands
// for `dir`, @DATA for tests/data, @SOURCE for the source tree and @USAGE for the usage text.
// Answers: code (always), out and err exactly, out^ and err^ their start, out$ its end, out~ and
// err~ a part they hold, out!~ a part out lacks, out-lines the lines of out, out-line a whole line
// of out, absent a file that must not exist afterwards; file names a file that the following text
// (exactly), text^, text$ (its end), text~ and same (another file's bytes) check.
void runCliCases(const std::string& relative, const std::string& word,
                 const std::filesystem::path& dir);

} // namespace finplan::test
