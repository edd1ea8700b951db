#pragma once

#include <array>
#include <optional>
#include <string>

namespace finplan {

// The words of the command line that switch features on for the whole run.
struct CommandLineSwitches {
    bool idOn = false;       // "IDON": the account list shows the ID column
    bool quil = false;       // "QUIL": account file dialogs start in the current directory
    bool lighter = false;    // "LIGHTER": lighter banding colours
    bool darker = false;     // "DARKER": graph summary texts drawn darker
    bool summary = false;    // "SUMMARY": summary information starts switched on
    bool gray = false;       // "GRAY": gray banding colours
    bool darkYellow = false; // "DARKYELLOW": dark yellow banding colours; wins over GRAY
};

// Page margins in thousandths of an inch.
struct PageMargins {
    int left = 1000;
    int top = 1000;
    int right = 500;
    int bottom = 1000;
    bool operator==(const PageMargins&) const = default;
};

inline constexpr int kRecentFileCount = 6;
using RecentFiles = std::array<std::string, kRecentFileCount>;

// The settings in force during one use of the program: what the preferences file, the
// settings file "finance.dat", the command line and the last scenario read put into force.
struct AppSettings {
    CommandLineSwitches switches;

    int windowX = 100;
    int windowY = 100;
    int windowWidth = 600;
    int windowHeight = 500;
    // False on a first start (no preferences file yet): the window then picks its own size.
    bool placementStored = false;
    // Width of the open main window; empty when there is none (command line use), in which
    // case saving keeps the width the scenario file holds.
    std::optional<int> mainWindowWidth;
    bool toolbarShown = true;

    int reportColumns = 0;
    int screenBanding = 0;
    int reportBanding = 0;
    int hideInfoFolder = 0;
    int reportBoxing = 0;
    PageMargins margins;
    int printOption = 1;

    // "finance.dat": the start counter names the temporary file of New.
    float startCounter = 0.0f;
    std::array<float, 7> financeReserved{};
    int financeReservedDigit = 0;
    RecentFiles recentFiles;
};

} // namespace finplan
