#pragma once

namespace finplan {

// The longest a card payoff is followed: 100 years of 12 months.
inline constexpr int kCardPayoffMonthLimit = 1200;

// How a credit-card balance is paid off with a fixed monthly payment while purchases are added.
struct CardPayoff {
    int months = 0;        // months until the balance is gone, or the limit
    float years = 0.0f;    // months x (1/12)
    float interest = 0.0f; // interest of those months
    bool paidOff = false;  // false when the limit was reached with a balance still owed
};

// Month by month: purchases are added, the month's interest is taken on the new balance, and a
// balance that a payment would take below one more payment is cleared that month.
CardPayoff cardPayoff(float balance, float yearlyPercent, float payment, float purchases);

} // namespace finplan
