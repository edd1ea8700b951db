#include "gui/shell/schedule_line_rules.h"

namespace finplan::gui {

namespace {

constexpr std::array<std::string_view, 11> kRedPhrases = {
    "Red flags",        "you must select a",  "withdrawal was not made",      "penalty was imposed",
    "Penalties Paid =", "A penalty was paid", "Minimum age for withdrawal",   "were depleted",
    "not transferred",  "insufficient funds", "Your net worth went negative",
};

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

} // namespace

bool isRedScheduleLine(std::string_view text) {
    for (const std::string_view phrase : kRedPhrases) {
        if (contains(text, phrase)) {
            return true;
        }
    }
    if (contains(text, "withdrawal account") && contains(text, "depleted")) {
        return true;
    }
    // A negative amount, except on the indented detail lines and hyphen rules.
    return !text.empty() && text.front() != ' ' && text.front() != '-' && contains(text, "$-");
}

bool isTotalsLine(std::string_view text) {
    return !text.empty() && text.front() >= '1' && text.front() <= '9';
}

std::array<std::string, kScheduleColumns> splitTotalsLine(std::string_view text) {
    std::array<std::string, kScheduleColumns> fields;
    std::size_t field = 0;
    std::size_t pos = 0;
    while (field < fields.size()) {
        pos = text.find_first_not_of(" \t", pos);
        if (pos == std::string_view::npos) {
            break;
        }
        const std::size_t end = text.find_first_of(" \t", pos);
        fields[field++] = std::string(text.substr(pos, end - pos));
        if (end == std::string_view::npos) {
            break;
        }
        pos = end;
    }
    return fields;
}

} // namespace finplan::gui
