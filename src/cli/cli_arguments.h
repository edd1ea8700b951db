#pragma once

#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace finplan::cli {

// The words of one command after its options were taken out.
struct CliArguments {
    std::vector<std::string> files;
    std::set<std::string, std::less<>> flags;               // "--detailed"
    std::map<std::string, std::string, std::less<>> values; // "--workdir" -> "DIR"
    // Options that may be given more than once, in the order given ("--set", "KEY=TEXT").
    std::vector<std::pair<std::string, std::string>> repeated;

    bool has(std::string_view flag) const { return flags.contains(flag); }
    std::optional<std::string> value(std::string_view option) const {
        const auto found = values.find(option);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
};

// The options a command knows: flags stand alone, valued options take the next word.
struct OptionSpec {
    std::span<const std::string_view> flags;
    std::span<const std::string_view> valued;
    std::span<const std::string_view> repeated = {};
};

// Splits the words after the command name; an error text when an option is unknown or lacks
// its value.
std::optional<std::string> parseArguments(std::span<const std::string> words,
                                          const OptionSpec& spec, CliArguments& parsed);

} // namespace finplan::cli
