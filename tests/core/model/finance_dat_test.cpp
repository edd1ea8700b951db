#include "model/finance_dat.h"
#include "model/scenario_file.h"
#include "support/case_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace finplan {
namespace {

using test::readText;
using test::TempDir;
using test::writeText;

// A folder that does not exist: the file cannot be created, yet the start still asks for a
// scenario; writing it at the end fails.
TEST(FinanceDatFile, AMissingFolderAsksToOpenAndCannotBeWritten) {
    TempDir dir;
    Scenario scenario;
    AppSettings settings;
    EXPECT_TRUE(readFinanceDat(dir / "no-such-folder", scenario, settings));
    EXPECT_FALSE(std::filesystem::exists(dir / "no-such-folder"));
    EXPECT_FALSE(writeFinanceDat(dir / "missing", scenario, settings));
}

// The list of a case: entries separated by ';', left-out ones at the end empty.
RecentFiles recentListOf(const std::string& text) {
    RecentFiles files;
    const auto parts = test::partsOf(text, ';');
    std::copy_n(parts.begin(), std::min(parts.size(), files.size()), files.begin());
    return files;
}

std::array<float, 7> reservedOf(const std::string& text) {
    std::array<float, 7> values{};
    const auto parts = test::partsOf(text, ',');
    for (std::size_t i = 0; i < parts.size() && i < values.size(); ++i) {
        values[i] = std::stof(parts[i]);
    }
    return values;
}

// Counters, stored values, recent lists and written files: tests/data/model/finance_dat.txt.
TEST(FinanceDatFile, FollowsTheDataFile) {
    test::forEachCase("model/finance_dat.txt", "", 25, [&](const test::CaseLine& c) {
        TempDir dir;
        Scenario scenario;
        AppSettings settings;
        scenario.fileName = c.inputOr("name", "");
        settings.startCounter = std::stof(c.inputOr("counter", "0"));
        settings.financeReserved = reservedOf(c.inputOr("reserved", ""));
        settings.financeReservedDigit = std::stoi(c.inputOr("digit", "0"));
        settings.recentFiles = recentListOf(c.inputOr("recent", ""));
        if (c.word == "read") {
            writeText(dir / "finance.dat", c.input("file"));
        }
        if (c.word == "write") {
            ASSERT_TRUE(writeFinanceDat(dir.path(), scenario, settings));
        } else {
            const bool opens = readFinanceDat(dir.path(), scenario, settings);
            EXPECT_EQ(opens ? "yes" : "no", c.answer("opens"));
        }
        for (const auto& [key, value] : c.expected) {
            SCOPED_TRACE(key);
            if (key == "name") {
                EXPECT_EQ(scenario.fileName, value);
            } else if (key == "counter") {
                EXPECT_EQ(settings.startCounter, std::stof(value));
            } else if (key == "reserved") {
                EXPECT_EQ(settings.financeReserved, reservedOf(value));
            } else if (key == "digit") {
                EXPECT_EQ(settings.financeReservedDigit, std::stoi(value));
            } else if (key == "recent") {
                EXPECT_EQ(settings.recentFiles, recentListOf(value));
            } else if (key == "short") {
                EXPECT_EQ(shortScenarioName(settings, "w"), value);
            } else if (key == "written") {
                EXPECT_EQ(readText(dir / "finance.dat"), value);
            } else if (key != "opens") {
                ADD_FAILURE() << "unknown answer";
            }
        }
    });
}

// Names added to the recent list, and its menu items: tests/data/model/recent_files.txt.
TEST(RecentFiles, AddedNamesAndMenuItemsFollowTheDataFile) {
    test::forEachCase("model/recent_files.txt", "", 10, [&](const test::CaseLine& c) {
        RecentFiles files = recentListOf(c.input("before"));
        if (c.word == "menu") {
            EXPECT_EQ(recentFileMenuItems(files), test::partsOf(c.answer("items"), ';'));
            return;
        }
        for (const std::string& name : test::partsOf(c.input("added"), ';')) {
            addRecentFile(files, name);
        }
        EXPECT_EQ(files, recentListOf(c.answer("after")));
    });
}

} // namespace
} // namespace finplan
