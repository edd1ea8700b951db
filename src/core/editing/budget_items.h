#pragma once

#include "model/budget.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

// The item list of one budget: its rows as the dialog shows them and the item changes the
// Budget dialog's buttons make. Counts read from files may be anything; every step here uses
// the count clamped to 0..30.

int budgetItemCount(const Budget& budget);

// One item as typed into the item editor.
struct BudgetItem {
    std::string name; // Latin-1, at most 20 characters
    float amount = 0.0f;
    float applyRate = 0.0f;
    bool monthly = false;
    bool track = false;
    bool inflation = false;
};

// One row of the item list: the cells Name, Amount, Monthly, Applied Rate, Yearly, T.
struct BudgetRow {
    std::string name;
    std::string amount;
    std::string monthly;
    std::string appliedRate;
    std::string yearly;
    std::string track;
};

// Items sorted by name with the upper-case compare; equal names keep their order.
void sortBudgetItems(Budget& budget);

// Each item's yearly amount (12 x amount when monthly) into `itemYearly` and its copy, and
// their sum into `yearlyTotal`.
void fillBudgetTotals(Budget& budget);

// The rows of the list; call after fillBudgetTotals.
std::vector<BudgetRow> budgetRows(const Budget& budget);

// The item whose name matches, upper case, on the first 19 characters; empty for none.
std::optional<int> findBudgetItem(const Budget& budget, std::string_view name);

// Enter: updates the matching item or appends one. False when the budget is full (30 items).
bool enterBudgetItem(Budget& budget, const BudgetItem& item);

// Delete: the matching item goes, the following ones move up with all their fields. False when
// no item matches.
bool deleteBudgetItem(Budget& budget, std::string_view name);

// Clear All: every item emptied, the count 0.
void clearBudgetItems(Budget& budget);

// The item at `index` as the item editor shows it.
BudgetItem budgetItem(const Budget& budget, int index);

} // namespace finplan
