#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace finplan::test {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// One line of a case file:
//
//   word key=value key="a value with blanks" => key=value ...
//
// The pairs before "=>" are the inputs, those after it the expected answers; a key without
// "=value" has an empty value. In a quoted value \t, \n, \xHH, \" and \\ stand for their bytes.
// Blank lines and lines starting with '#' are skipped.
struct CaseLine {
    std::string where; // "file:line" and the line itself, for failure messages
    std::string word;
    KeyValues inputs;
    KeyValues expected;

    // The value of an input or expected key; a key that is not there is a broken case.
    const std::string& input(const std::string& key) const;
    const std::string& answer(const std::string& key) const;
    // The value of a key that some cases leave out.
    std::string inputOr(const std::string& key, const std::string& fallback) const;
    std::string answerOr(const std::string& key, const std::string& fallback) const;
};

// A file of tests/data in the source tree named by FINPLAN_SOURCE_DIR.
std::filesystem::path testData(const std::string& relative);

// The lines of a text, without their line feeds.
std::vector<std::string> linesOf(const std::string& text);

// The parts of a text between separators: "a,,b" is "a", "" and "b"; "" has no parts.
std::vector<std::string> partsOf(const std::string& text, char separator);

// "key=text;key=text" as pairs; a part without '=' is left out.
KeyValues settingsOf(const std::string& text);

// Sets each key=text of "key=text;key=text" in a map of texts, as typing into a form's fields.
template <class Map>
void typeInto(Map& fields, const std::string& settings) {
    for (const auto& [key, text] : settingsOf(settings)) {
        fields[key] = text;
    }
}
template <class Map>
Map textsOf(const std::string& settings) {
    Map fields;
    typeInto(fields, settings);
    return fields;
}

// The cases of a file under tests/data; an unreadable or malformed file throws.
std::vector<CaseLine> readCases(const std::string& relative);
// Only the cases whose first word is `word`.
std::vector<CaseLine> readCases(const std::string& relative, const std::string& word);
// Checks each case of `word` ("": every case) under its own trace. The file must hold exactly
// `count` of them, so that a case lost from the file fails too.
void forEachCase(const std::string& relative, const std::string& word, std::size_t count,
                 const std::function<void(const CaseLine&)>& check);

// The block `name` of a file of texts under tests/data: the lines after "@@ name" up to the next
// "@@ " line or the end, each with its line feed. A missing file or block throws.
std::string textBlock(const std::string& relative, const std::string& name);

} // namespace finplan::test
