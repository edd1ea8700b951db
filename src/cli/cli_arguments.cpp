#include "cli/cli_arguments.h"

#include <algorithm>

namespace finplan::cli {

namespace {

bool contains(std::span<const std::string_view> names, std::string_view word) {
    return std::find(names.begin(), names.end(), word) != names.end();
}

bool isOption(std::string_view word) {
    return word.size() > 1 && word.front() == '-';
}

} // namespace

std::optional<std::string> parseArguments(std::span<const std::string> words,
                                          const OptionSpec& spec, CliArguments& parsed) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!isOption(word)) {
            parsed.files.push_back(word);
        } else if (contains(spec.flags, word)) {
            parsed.flags.insert(word);
        } else if (contains(spec.repeated, word)) {
            if (i + 1 >= words.size()) {
                return "option \"" + word + "\" needs a value";
            }
            parsed.repeated.emplace_back(word, words[++i]);
        } else if (contains(spec.valued, word)) {
            if (i + 1 >= words.size()) {
                return "option \"" + word + "\" needs a value";
            }
            parsed.values[word] = words[++i];
        } else {
            return "unknown option \"" + word + "\"";
        }
    }
    return std::nullopt;
}

} // namespace finplan::cli
