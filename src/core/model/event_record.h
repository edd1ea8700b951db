#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace finplan {

enum class EventType : std::int16_t {
    Budget = -2, // older budget withdrawal form; shown, created by no editor
    Rmd = -1,
    Fundamentals = 1,
    Deposit = 2,
    Loan = 3, // Credit Card Debt when inflationAdjust is kCreditCardMark
    Mortgage = 4,
    Transfer = 5,
    Withdrawal = 6,
    AssetAllocation = 7,
    Empty = 99,
};

// The value that stands in an "account chosen" field when the user picked an account.
inline constexpr std::int16_t kAccountChosenMarker = 438;
// `inflationAdjust` of a type 3 record that is credit-card debt.
inline constexpr std::int16_t kCreditCardMark = -1000;
// `listLine` of an event that has no line in the scenario description.
inline constexpr std::int16_t kNoListLine = 1000;
inline constexpr std::int16_t kNoAccount = -1;

// One dated event of a scenario. Several fields carry a second meaning for some types; the
// accessors below give those meanings their own names.
struct EventRecord {
    static constexpr std::size_t kSize = 160;

    std::int16_t listLine = 0;
    float startAge = 0.0f;
    float endAge = 0.0f;
    float adjustRate = 0.0f;
    std::uint16_t oneTime = 0;
    std::int16_t type = static_cast<std::int16_t>(EventType::Empty);
    float amount = 0.0f;
    std::int16_t fromAccountId = 0;
    std::int16_t accountId = 0;
    std::int16_t inflationAdjust = 0;
    float currentAmount = 0.0f;
    float downPayment = 0.0f;
    float payment = 0.0f;
    float rate = 0.0f;
    std::int16_t years = 0;
    float equityValue = 0.0f;
    float principalPaid = 0.0f;
    float totalInterestPaid = 0.0f;
    std::int16_t payFromAccountFlag = 0;
    float appreciationRate = 0.0f;
    std::int16_t budgetNumber = 0;
    std::uint16_t allFunds = 0;
    std::uint16_t state = 0;
    std::array<char, 64> name{};
    float propertyTax = 0.0f;
    float closingCosts = 0.0f;
    float sellingExpenses = 0.0f;
    float extraPrincipal = 0.0f;
    std::array<std::uint8_t, 4> reserved150{};
    std::uint16_t sold = 0;
    std::uint16_t budgetFlag = 0;
    std::int16_t payAccountId = 0;

    EventType eventType() const { return static_cast<EventType>(type); }
    bool is(EventType t) const { return eventType() == t; }
    bool isCreditCard() const { return is(EventType::Loan) && inflationAdjust == kCreditCardMark; }

    // Deposit: 1 = taxed at the current tax rate.
    std::int16_t& beforeTax() { return fromAccountId; }
    std::int16_t beforeTax() const { return fromAccountId; }
    // Withdrawal: the account-chosen marker.
    std::int16_t& fromAccountFlag() { return years; }
    std::int16_t fromAccountFlag() const { return years; }
    // Credit-card debt: monthly purchases.
    float& extraPurchases() { return propertyTax; }
    float extraPurchases() const { return propertyTax; }
    // Mortgage: accelerated-payment mode.
    std::uint16_t& extraPrincipalMode() { return budgetFlag; }
    std::uint16_t extraPrincipalMode() const { return budgetFlag; }
    // Loan and mortgage at run time: the month reached.
    std::uint16_t& monthIndex() { return allFunds; }
    std::uint16_t monthIndex() const { return allFunds; }

    template <class Io, class Self>
    static void visit(Io& io, Self& r) {
        io(r.listLine);
        io(r.startAge);
        io(r.endAge);
        io(r.adjustRate);
        io(r.oneTime);
        io(r.type);
        io(r.amount);
        io(r.fromAccountId);
        io(r.accountId);
        io(r.inflationAdjust);
        io(r.currentAmount);
        io(r.downPayment);
        io(r.payment);
        io(r.rate);
        io(r.years);
        io(r.equityValue);
        io(r.principalPaid);
        io(r.totalInterestPaid);
        io(r.payFromAccountFlag);
        io(r.appreciationRate);
        io(r.budgetNumber);
        io(r.allFunds);
        io(r.state);
        io(r.name);
        io(r.propertyTax);
        io(r.closingCosts);
        io(r.sellingExpenses);
        io(r.extraPrincipal);
        io(r.reserved150);
        io(r.sold);
        io(r.budgetFlag);
        io(r.payAccountId);
    }
};

} // namespace finplan
