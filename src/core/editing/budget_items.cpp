#include "editing/budget_items.h"

#include "model/account_sort.h"
#include "model/text_field.h"
#include "results/text_format.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace finplan {

namespace {

// Names match on this many characters, as many as the item editor's Name field takes.
constexpr std::size_t kMatchLength = 19;

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

float yearlyOf(const Budget& budget, int index) {
    const float amount = budget.itemAmount[at(index)];
    return budget.itemMonthly[at(index)] != 0 ? 12.0f * amount : amount;
}

bool sameName(std::string_view a, std::string_view b) {
    a = a.substr(0, std::min(a.size(), kMatchLength));
    b = b.substr(0, std::min(b.size(), kMatchLength));
    return compareUpperCase(a, b) == 0;
}

// Every field of an item, moved as one.
struct ItemFields {
    std::array<char, 21> name{};
    float yearly = 0.0f;
    float amount = 0.0f;
    float yearlyCopy = 0.0f;
    float applyRate = 0.0f;
    std::uint16_t monthly = 0;
    std::uint16_t inflation = 0;
    std::uint16_t track = 0;
};

ItemFields takeItem(const Budget& b, int i) {
    return {b.itemName[at(i)],       b.itemYearly[at(i)],    b.itemAmount[at(i)],
            b.itemYearlyCopy[at(i)], b.itemApplyRate[at(i)], b.itemMonthly[at(i)],
            b.itemInflation[at(i)],  b.itemTrack[at(i)]};
}

void putItem(Budget& b, int i, const ItemFields& item) {
    b.itemName[at(i)] = item.name;
    b.itemYearly[at(i)] = item.yearly;
    b.itemAmount[at(i)] = item.amount;
    b.itemYearlyCopy[at(i)] = item.yearlyCopy;
    b.itemApplyRate[at(i)] = item.applyRate;
    b.itemMonthly[at(i)] = item.monthly;
    b.itemInflation[at(i)] = item.inflation;
    b.itemTrack[at(i)] = item.track;
}

std::string appliedRateText(const Budget& budget, int index) {
    const double rate = budget.itemApplyRate[at(index)];
    if (budget.itemInflation[at(index)] == 0) {
        return formatText("%6.2f", rate);
    }
    return rate == 0.0 ? std::string("Inflation") : formatText("Inf.+%6.2f", rate);
}

} // namespace

int budgetItemCount(const Budget& budget) {
    return std::clamp<int>(budget.itemCount, 0, kBudgetItemCount);
}

void sortBudgetItems(Budget& budget) {
    const int count = budgetItemCount(budget);
    std::vector<ItemFields> items;
    for (int i = 0; i < count; ++i) {
        items.push_back(takeItem(budget, i));
    }
    std::stable_sort(items.begin(), items.end(), [](const ItemFields& a, const ItemFields& b) {
        return compareUpperCase(fieldText(a.name), fieldText(b.name)) < 0;
    });
    for (int i = 0; i < count; ++i) {
        putItem(budget, i, items[at(i)]);
    }
}

void fillBudgetTotals(Budget& budget) {
    float total = 0.0f;
    for (int i = 0; i < budgetItemCount(budget); ++i) {
        const float yearly = yearlyOf(budget, i);
        budget.itemYearly[at(i)] = yearly;
        budget.itemYearlyCopy[at(i)] = yearly;
        total += yearly;
    }
    budget.yearlyTotal = total;
}

std::vector<BudgetRow> budgetRows(const Budget& budget) {
    std::vector<BudgetRow> rows;
    for (int i = 0; i < budgetItemCount(budget); ++i) {
        rows.push_back({std::string(fieldText(budget.itemName[at(i)])),
                        formatText("%13.2f", static_cast<double>(budget.itemAmount[at(i)])),
                        budget.itemMonthly[at(i)] != 0 ? "X" : " ", appliedRateText(budget, i),
                        formatText("%13.2f", static_cast<double>(budget.itemYearly[at(i)])),
                        budget.itemTrack[at(i)] != 0 ? "X" : " "});
    }
    return rows;
}

std::optional<int> findBudgetItem(const Budget& budget, std::string_view name) {
    for (int i = 0; i < budgetItemCount(budget); ++i) {
        if (sameName(fieldText(budget.itemName[at(i)]), name)) {
            return i;
        }
    }
    return std::nullopt;
}

bool enterBudgetItem(Budget& budget, const BudgetItem& item) {
    const int count = budgetItemCount(budget);
    if (count >= kBudgetItemCount) {
        return false;
    }
    int index = count;
    if (const auto found = findBudgetItem(budget, item.name)) {
        index = *found;
    } else {
        budget.itemCount = static_cast<std::int16_t>(count + 1);
    }
    setFieldText(budget.itemName[at(index)], item.name);
    budget.itemAmount[at(index)] = item.amount;
    budget.itemApplyRate[at(index)] = item.applyRate;
    budget.itemMonthly[at(index)] = item.monthly ? 1 : 0;
    budget.itemTrack[at(index)] = item.track ? 1 : 0;
    budget.itemInflation[at(index)] = item.inflation ? 1 : 0;
    fillBudgetTotals(budget);
    return true;
}

bool deleteBudgetItem(Budget& budget, std::string_view name) {
    const auto found = findBudgetItem(budget, name);
    if (!found) {
        return false;
    }
    const int count = budgetItemCount(budget);
    for (int i = *found; i + 1 < count; ++i) {
        putItem(budget, i, takeItem(budget, i + 1));
    }
    putItem(budget, count - 1, ItemFields{});
    budget.itemCount = static_cast<std::int16_t>(count - 1);
    fillBudgetTotals(budget);
    return true;
}

void clearBudgetItems(Budget& budget) {
    // The inflation flags stay: a later Paste All gives them back to their positions.
    for (int i = 0; i < kBudgetItemCount; ++i) {
        const std::uint16_t inflation = budget.itemInflation[at(i)];
        putItem(budget, i, ItemFields{});
        budget.itemInflation[at(i)] = inflation;
    }
    budget.itemCount = 0;
    fillBudgetTotals(budget);
}

BudgetItem budgetItem(const Budget& budget, int index) {
    if (index < 0 || index >= budgetItemCount(budget)) {
        return {};
    }
    return {std::string(fieldText(budget.itemName[at(index)])),
            budget.itemAmount[at(index)],
            budget.itemApplyRate[at(index)],
            budget.itemMonthly[at(index)] != 0,
            budget.itemTrack[at(index)] != 0,
            budget.itemInflation[at(index)] != 0};
}

} // namespace finplan
