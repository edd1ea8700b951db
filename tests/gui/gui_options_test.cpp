#include "gui/shell/folder_titles.h"
#include "gui/shell/gui_options.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace finplan::gui {
namespace {

template <class T>
std::string given(const std::optional<T>& value) {
    std::ostringstream text;
    if (value) {
        text << *value;
    }
    return value ? text.str() : "-";
}

std::string yes(bool on) {
    return on ? "yes" : "no";
}

TEST(GuiOptions, TheCommandLineAsTheCaseFileHasIt) {
    test::forEachCase("gui/gui_options.txt", "options", 28, [&](const test::CaseLine& c) {
        std::vector<std::string> args;
        std::istringstream words(c.input("args"));
        for (std::string word; words >> word;) {
            args.push_back(word);
        }
        const GuiOptions o = parseGuiOptions(args);
        const std::map<std::string, std::string> parsed = {{"error", o.error},
                                                           {"workdir", given(o.workDir)},
                                                           {"scenario", given(o.scenarioFile)},
                                                           {"grab", given(o.grabFile)},
                                                           {"tab", std::to_string(o.grabTab)},
                                                           {"width", given(o.grabWidth)},
                                                           {"height", given(o.grabHeight)},
                                                           {"command", given(o.grabCommand)},
                                                           {"event", given(o.grabEvent)},
                                                           {"idon", yes(o.switches.idOn)},
                                                           {"gray", yes(o.switches.gray)},
                                                           {"summary", yes(o.switches.summary)},
                                                           {"quil", yes(o.switches.quil)},
                                                           {"help", yes(o.help)}};
        for (const auto& [key, value] : c.expected) {
            EXPECT_EQ(parsed.at(key), value) << key;
        }
    });
}

TEST(FolderTitles, AccountBlocksOfTenFollowTheGraphs) {
    test::forEachCase("gui/gui_options.txt", "titles", 5, [&](const test::CaseLine& c) {
        const auto titles =
            folderTitles(c.input("results") == "yes", std::stoi(c.input("accounts")));
        for (const auto& [key, value] : c.expected) {
            if (key == "count") {
                EXPECT_EQ(titles.size(), std::stoul(value));
            } else {
                ASSERT_FALSE(titles.empty());
                EXPECT_EQ(key == "last" ? titles.back() : titles.at(std::stoul(key)), value);
            }
        }
    });
}

} // namespace
} // namespace finplan::gui
