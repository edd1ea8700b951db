#include "support/case_file.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <stdexcept>

namespace finplan::test {

namespace {

const std::string& valueOf(const KeyValues& pairs, const std::string& key,
                           const std::string& where) {
    for (const auto& [k, v] : pairs) {
        if (k == key) {
            return v;
        }
    }
    throw std::invalid_argument(where + ": no key " + key);
}

// Reads key=value pairs, or bare keys with an empty value, up to "=>" or the end of the line.
KeyValues readPairs(std::istringstream& in, const std::string& where) {
    KeyValues pairs;
    while (in >> std::ws && in.peek() != EOF) {
        std::string key;
        while (in.peek() != EOF && in.peek() != '=' && std::isspace(in.peek()) == 0) {
            key += static_cast<char>(in.get());
        }
        if (key.empty()) {
            std::string arrow;
            if (!(in >> arrow) || arrow != "=>") {
                throw std::invalid_argument(where + ": expected =>");
            }
            break;
        }
        std::string value;
        if (in.peek() == '=' && !(in.ignore() >> std::quoted(value))) {
            throw std::invalid_argument(where + ": no value for " + key);
        }
        pairs.emplace_back(key, value);
    }
    return pairs;
}

} // namespace

const std::string& CaseLine::input(const std::string& key) const {
    return valueOf(inputs, key, where);
}

const std::string& CaseLine::answer(const std::string& key) const {
    return valueOf(expected, key, where);
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::filesystem::path testData(const std::string& relative) {
    const char* source = std::getenv("FINPLAN_SOURCE_DIR");
    return std::filesystem::path(source != nullptr ? source : ".") / "tests" / "data" / relative;
}

std::vector<CaseLine> readCases(const std::string& relative) {
    std::ifstream file(testData(relative));
    if (!file) {
        throw std::runtime_error("cannot read " + testData(relative).string() +
                                 " (FINPLAN_SOURCE_DIR must name the source tree)");
    }
    std::vector<CaseLine> cases;
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        if (line.find_first_not_of(" \t") == std::string::npos || line.front() == '#') {
            continue;
        }
        CaseLine c;
        c.where = relative + ":" + std::to_string(number) + ": " + line;
        std::istringstream in(line);
        in >> c.word;
        c.inputs = readPairs(in, c.where);
        c.expected = readPairs(in, c.where);
        cases.push_back(std::move(c));
    }
    return cases;
}

} // namespace finplan::test
