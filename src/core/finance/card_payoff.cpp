#include "finance/card_payoff.h"

#include "finance/debt_math.h"

namespace finplan {

CardPayoff cardPayoff(float balance, float yearlyPercent, float payment, float purchases) {
    CardPayoff out;
    float owed = balance;
    while (out.months < kCardPayoffMonthLimit) {
        owed = static_cast<float>(static_cast<double>(owed) + purchases);
        const float interest = cardMonthInterest(owed, yearlyPercent);
        if (static_cast<double>(owed) - payment <= payment) {
            owed = 0.0f; // the last, smaller payment
        } else {
            owed = static_cast<float>(owed - (static_cast<double>(payment) - interest));
        }
        out.interest = static_cast<float>(static_cast<double>(out.interest) + interest);
        ++out.months;
        if (owed <= 0.0f) {
            break;
        }
    }
    out.paidOff = owed <= 0.0f;
    out.years = static_cast<float>(out.months * (1.0 / 12.0));
    return out;
}

} // namespace finplan
