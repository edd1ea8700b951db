#include "results/account_flows.h"

#include "results/fixed_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace finplan {

void AccountFlows::add(bool in, float age, int position, float amount) {
    if (!(age > 0.0f && age < static_cast<float>(kFlowAges)) || position < 0 ||
        position >= static_cast<int>(names.size()) || position >= kMaxAccounts) {
        return;
    }
    const int whole = static_cast<int>(std::floor(age));
    auto& table = in ? incoming : outgoing;
    table[static_cast<std::size_t>(whole)][static_cast<std::size_t>(position)] += amount;
    firstAge = firstAge < 0 ? whole : std::min(firstAge, whole);
    lastAge = std::max(lastAge, whole);
}

float asLogged(float amount) {
    std::string text;
    appendFixed(text, amount, 2);
    return std::strtof(text.c_str(), nullptr);
}

} // namespace finplan
