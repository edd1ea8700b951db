#include "support/case_file.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
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

std::string valueOr(const KeyValues& pairs, const std::string& key, const std::string& fallback) {
    for (const auto& [k, v] : pairs) {
        if (k == key) {
            return v;
        }
    }
    return fallback;
}

// A bare word, or a quoted text in which \t, \n, \xHH, \" and \\ stand for their bytes.
bool readValue(std::istream& in, std::string& value) {
    if (in.peek() != '"') {
        return static_cast<bool>(in >> value);
    }
    in.ignore();
    for (int c = in.get(); c != EOF; c = in.get()) {
        if (c == '"') {
            return true;
        }
        if (c == '\\') {
            c = in.get();
            if (c == 't' || c == 'n') {
                c = c == 't' ? '\t' : '\n';
            } else if (c == 'x') {
                char hex[3] = {};
                in.read(hex, 2);
                c = std::stoi(hex, nullptr, 16);
            }
        }
        value += static_cast<char>(c);
    }
    return false;
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
        if (in.peek() == '=' && !readValue(in.ignore(), value)) {
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

std::string CaseLine::inputOr(const std::string& key, const std::string& fallback) const {
    return valueOr(inputs, key, fallback);
}

std::string CaseLine::answerOr(const std::string& key, const std::string& fallback) const {
    return valueOr(expected, key, fallback);
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> partsOf(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        parts.push_back(part);
    }
    return parts;
}

KeyValues settingsOf(const std::string& text) {
    KeyValues pairs;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, ';');) {
        if (const auto equals = part.find('='); equals != std::string::npos) {
            pairs.emplace_back(part.substr(0, equals), part.substr(equals + 1));
        }
    }
    return pairs;
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

std::string textBlock(const std::string& relative, const std::string& name) {
    std::ifstream file(testData(relative));
    std::string text;
    bool inside = false;
    bool found = false;
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with("@@ ")) {
            inside = line.substr(3) == name;
            found = found || inside;
        } else if (inside) {
            text += line + "\n";
        }
    }
    if (!found) {
        throw std::runtime_error("no block " + name + " in " + testData(relative).string());
    }
    return text;
}

std::vector<CaseLine> readCases(const std::string& relative, const std::string& word) {
    std::vector<CaseLine> cases = readCases(relative);
    std::erase_if(cases, [&](const CaseLine& c) { return c.word != word; });
    return cases;
}

void forEachCase(const std::string& relative, const std::string& word, std::size_t count,
                 const std::function<void(const CaseLine&)>& check) {
    const auto cases = word.empty() ? readCases(relative) : readCases(relative, word);
    ASSERT_EQ(cases.size(), count) << relative << " " << word;
    for (const CaseLine& c : cases) {
        SCOPED_TRACE(c.where);
        check(c);
    }
}

} // namespace finplan::test
