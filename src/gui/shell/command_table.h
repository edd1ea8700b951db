#pragma once

#include <span>
#include <string_view>

namespace finplan::gui {

// One command of the main window: its menu text, accelerator key and toolbar tooltip, and
// whether it waits while an editor, calculator or file dialog is open.
struct CommandSpec {
    int id;
    std::string_view text;    // the menu item, or what the key does for key-only commands
    std::string_view key;     // empty when the command has no key
    std::string_view tooltip; // empty when the command has no toolbar button
    bool guarded = true;
};

// Menu entries that are not commands.
inline constexpr int kSeparator = 0;
inline constexpr int kQuickTipsMenu = -1;
inline constexpr int kRecentFilesPlace = -2;

// A top-level menu: its title and its entries, commands by id or the markers above.
struct MenuSpec {
    std::string_view title;
    std::span<const int> entries;
};

std::span<const CommandSpec> commandTable();
// Nullptr for ids the table does not hold.
const CommandSpec* findCommand(int id);
std::span<const MenuSpec> menuTable();
std::span<const int> quickTipCommands();
// Toolbar buttons in order; kSeparator between groups.
std::span<const int> toolbarCommands();
// Commands reached by their key alone.
std::span<const int> keyOnlyCommands();

} // namespace finplan::gui
