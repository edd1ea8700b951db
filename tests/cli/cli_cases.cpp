#include "cli_cases.h"

#include "cli_test_support.h"
#include "support/case_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iomanip>
#include <sstream>
#include <vector>

namespace finplan::test {
namespace {

namespace fs = std::filesystem;

std::string sourceDir() {
    const char* source = std::getenv("FINPLAN_SOURCE_DIR");
    return source != nullptr ? source : ".";
}

std::string expanded(std::string text, const fs::path& dir) {
    const std::pair<std::string, std::string> marks[] = {
        {"@DIR", dir.string()},
        {"@DATA", sourceDir() + "/tests/data"},
        {"@SOURCE", sourceDir()},
        {"@USAGE",
         text.find("@USAGE") == std::string::npos ? "" : readText(testData("cli/usage.txt"))},
    };
    for (const auto& [mark, with] : marks) {
        for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at)) {
            text.replace(at, mark.size(), with);
            at += with.size();
        }
    }
    return text;
}

std::vector<std::string> wordsOf(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> std::ws && in.peek() != EOF && in >> std::quoted(word, '\'');) {
        words.push_back(word);
    }
    return words;
}

void check(const std::string& key, const std::string& want, const CliRun& run) {
    const std::string& got = key.starts_with("out") ? run.out : run.err;
    if (key == "code") {
        EXPECT_EQ(run.code, std::stoi(want)) << run.err;
    } else if (key == "out" || key == "err") {
        EXPECT_EQ(got, want) << key;
    } else if (key == "out^" || key == "err^") {
        EXPECT_EQ(got.substr(0, want.size()), want) << key;
    } else if (key == "out~" || key == "err~") {
        EXPECT_NE(got.find(want), std::string::npos) << key << " " << want << " in\n" << got;
    } else if (key == "out!~") {
        EXPECT_EQ(run.out.find(want), std::string::npos) << key << " " << want;
    } else if (key == "out$") {
        EXPECT_TRUE(run.out.ends_with(want)) << key << " " << want << " in\n" << run.out;
    } else if (key == "out-lines") {
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), std::stoi(want)) << run.out;
    } else if (key == "out-line") {
        EXPECT_NE(("\n" + run.out).find("\n" + want + "\n"), std::string::npos) << want;
    } else if (key == "absent") {
        EXPECT_FALSE(fs::exists(want)) << want;
    } else {
        ADD_FAILURE() << "unknown answer " << key;
    }
}

void checkFile(const std::string& key, const std::string& want, const fs::path& file) {
    const std::string got = readText(file);
    if (key == "text") {
        EXPECT_EQ(got, want) << file;
    } else if (key == "text^") {
        EXPECT_EQ(got.substr(0, want.size()), want) << file;
    } else if (key == "text$") {
        EXPECT_TRUE(got.ends_with(want)) << file << " ends with\n" << want << "\nnot\n" << got;
    } else if (key == "same") {
        EXPECT_TRUE(got == readText(want)) << file << " differs from " << want;
    } else if (key == "text~") {
        EXPECT_NE(got.find(want), std::string::npos) << file << " holds\n"
                                                     << want << "\nnot\n"
                                                     << got;
    } else {
        ADD_FAILURE() << "unknown answer " << key;
    }
}

} // namespace

void runCliCases(const std::string& relative, const std::string& word, const fs::path& dir) {
    const auto cases = readCases(relative, word);
    ASSERT_FALSE(cases.empty()) << relative << " " << word;
    for (const CaseLine& c : cases) {
        SCOPED_TRACE(c.where);
        c.answer("code");
        const CliRun run = runCliWith(wordsOf(expanded(c.input("args"), dir)));
        fs::path file;
        for (const auto& [key, want] : c.expected) {
            if (key == "file") {
                file = expanded(want, dir);
            } else if (key.starts_with("text") || key == "same") {
                checkFile(key, expanded(want, dir), file);
            } else {
                check(key, expanded(want, dir), run);
            }
        }
    }
}

} // namespace finplan::test
