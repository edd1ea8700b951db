#include "reports/account_flow_files.h"

#include "reports/report_lines.h"

namespace finplan {

namespace {

// "age\tname\tamount": false for a line with fewer fields or an empty one.
bool amountLine(std::string_view line, float& age, std::string_view& name, float& amount) {
    const std::vector<std::string_view> pieces = splitTabs(line);
    if (pieces.size() < 3) {
        return false;
    }
    const std::string_view ageText = trimmed(pieces.front());
    const std::string_view amountText = trimmed(pieces.back());
    const auto nameStart = static_cast<std::size_t>(pieces[1].data() - line.data());
    const auto nameEnd = static_cast<std::size_t>(pieces.back().data() - line.data()) - 1;
    name = line.substr(nameStart, nameEnd - nameStart);
    if (ageText.empty() || amountText.empty() || name.empty()) {
        return false;
    }
    age = leadingFloat(ageText);
    amount = leadingFloat(amountText);
    return true;
}

void addAmounts(AccountFlows& flows, bool in, const std::vector<std::string_view>& lines) {
    for (const std::string_view line : lines) {
        float age = 0.0f;
        float amount = 0.0f;
        std::string_view name;
        if (!amountLine(line, age, name, amount)) {
            continue;
        }
        for (std::size_t i = 0; i < flows.names.size(); ++i) {
            if (flows.names[i] == name) {
                flows.add(in, age, static_cast<int>(i), amount);
                break;
            }
        }
    }
}

} // namespace

AccountFlows parseAccountFlows(std::string_view incomingText, std::string_view outgoingText) {
    AccountFlows flows;
    const std::vector<std::string_view> lines = linesBeforeEnd(incomingText);
    if (lines.empty()) {
        return flows;
    }
    const int count = leadingInt(lines.front());
    if (count < 1 || count > kMaxAccounts || lines.size() < static_cast<std::size_t>(count) + 1) {
        return flows;
    }
    for (int i = 1; i <= count; ++i) {
        flows.names.emplace_back(lines[static_cast<std::size_t>(i)]);
    }
    addAmounts(flows, true, std::vector<std::string_view>(lines.begin() + count + 1, lines.end()));
    addAmounts(flows, false, linesBeforeEnd(outgoingText));
    return flows;
}

} // namespace finplan
