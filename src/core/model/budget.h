#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace finplan {

inline constexpr int kBudgetCount = 5;
inline constexpr int kBudgetItemCount = 30;

// One of the five budgets, with up to 30 items.
struct Budget {
    static constexpr std::size_t kSize = 1398;

    std::array<char, 30> name{};
    std::int16_t itemCount = 0;
    std::int16_t startAge = 0;
    std::int16_t endAge = 0;
    std::array<std::array<char, 21>, kBudgetItemCount> itemName{};
    std::array<float, kBudgetItemCount> itemYearly{};
    std::array<float, kBudgetItemCount> itemAmount{};
    std::array<float, kBudgetItemCount> itemYearlyCopy{};
    std::array<float, kBudgetItemCount> itemApplyRate{};
    std::array<std::uint16_t, kBudgetItemCount> itemMonthly{};
    std::array<std::uint16_t, kBudgetItemCount> itemInflation{};
    std::array<std::uint8_t, 60> reserved1266{};
    std::array<std::uint16_t, kBudgetItemCount> itemTrack{};
    float yearlyTotal = 0.0f;
    std::int32_t active = 0;
    std::int32_t sourceAccountId = -1;

    template <class Io, class Self>
    static void visit(Io& io, Self& r) {
        io(r.name);
        io(r.itemCount);
        io(r.startAge);
        io(r.endAge);
        io(r.itemName);
        io(r.itemYearly);
        io(r.itemAmount);
        io(r.itemYearlyCopy);
        io(r.itemApplyRate);
        io(r.itemMonthly);
        io(r.itemInflation);
        io(r.reserved1266);
        io(r.itemTrack);
        io(r.yearlyTotal);
        io(r.active);
        io(r.sourceAccountId);
    }
};

// "Budget 1" to "Budget 5": the name a budget of that number (1-based) has when none is given.
std::string defaultBudgetName(int number);

} // namespace finplan
