#pragma once

#include "model/account_table.h"

#include <array>
#include <string>
#include <vector>

namespace finplan {

// Whole ages the account flows can hold: 1 to 119.
inline constexpr int kFlowAges = 120;

// Money into and out of each account by whole age and account position, summed in single
// precision: what the account-flow and selected-age reports show.
struct AccountFlows {
    std::vector<std::string> names; // the accounts in run order
    std::array<std::array<float, kMaxAccounts>, kFlowAges> incoming{};
    std::array<std::array<float, kMaxAccounts>, kFlowAges> outgoing{};
    int firstAge = -1; // -1: no amount at all
    int lastAge = -1;

    bool empty() const { return firstAge < 0 || names.empty(); }
    // Adds an amount at an age to the account at a position; ages outside 1 to 119 and
    // positions outside the list are ignored.
    void add(bool in, float age, int position, float amount);
};

// An amount as the run files print it ("%13.2f") and a reader takes it back: the flows add
// what the files show, cent for cent.
float asLogged(float amount);

} // namespace finplan
