#include "finance/debt_math.h"

#include <cmath>

namespace finplan {

float repeatedPower(float x, int n) {
    float result = x;
    for (int i = 1; i < n; ++i) {
        result *= x;
    }
    return result;
}

float monthlyRate(float yearlyPercent) {
    const float yearly = yearlyPercent * 0.01f;
    return static_cast<float>(static_cast<long double>(yearly) * (1.0L / 12.0L));
}

float loanPayment(float principal, float rate, int months) {
    const float q = repeatedPower(1.0f + rate, months);
    const float d = static_cast<float>(1.0 - 1.0 / static_cast<double>(q));
    if (d == 0.0f) {
        return principal / static_cast<float>(months < 1 ? 1 : months);
    }
    return static_cast<float>(static_cast<double>(principal) * rate / d);
}

Amortized amortizeMonths(float principal, float rate, int months, int firstMonth, int lastMonth,
                         float extra, int extraFrom) {
    AmortizationCursor fresh;
    return amortizeMonths(principal, rate, months, firstMonth, lastMonth, extra, extraFrom, fresh);
}

namespace {

bool resumes(const AmortizationCursor& c, float principal, float rate, int months, float extra,
             int extraFrom, int firstMonth) {
    return c.valid && c.principal == principal && c.rate == rate && c.months == months &&
           c.extra == extra && c.extraFrom == extraFrom && c.nextMonth <= firstMonth;
}

} // namespace

Amortized amortizeMonths(float principal, float rate, int months, int firstMonth, int lastMonth,
                         float extra, int extraFrom, AmortizationCursor& cursor) {
    Amortized out;
    if (lastMonth < 0) {
        return out;
    }
    int start = 0;
    float pay = 0.0f;
    float balance = principal;
    if (resumes(cursor, principal, rate, months, extra, extraFrom, firstMonth)) {
        start = cursor.nextMonth;
        pay = cursor.payment;
        balance = cursor.balance;
    } else {
        pay = loanPayment(principal, rate, months);
    }
    cursor.valid = false;
    float total = 0.0f;
    for (int i = start;; ++i) {
        const float interest = balance * rate;
        float paid = pay - interest;
        if (i >= extraFrom) {
            paid += extra;
        }
        if (i >= firstMonth) {
            out.interest += interest;
            ++out.months;
            if (balance < paid) {
                out.principal = total + balance; // the last, smaller payment
                return out;
            }
            total += paid;
        }
        balance -= paid;
        if (balance <= 0.0f) {
            break;
        }
        if (i + 1 > lastMonth) {
            out.principal = total;
            cursor = {principal, rate, months, extra, extraFrom, pay, i + 1, balance, true};
            return out;
        }
    }
    // Paid off to the cent, or before firstMonth: the balance is at most 0 here.
    total += balance;
    out.principal = total < 0.0f ? 0.0f : total;
    return out;
}

ExtraPrincipal extraPrincipalFor(int mode, float extraPrincipal, float age, float scenarioStartAge,
                                 int m0) {
    if (mode == 1) {
        return {extraPrincipal, 0};
    }
    if (mode == 2) {
        const bool beforeStart = std::trunc(age) < std::trunc(scenarioStartAge);
        return {beforeStart ? 0.0f : extraPrincipal, m0};
    }
    return {};
}

float cardMonthInterest(float balance, float yearlyPercent) {
    const long double perDay = static_cast<long double>(balance * yearlyPercent) * (1.0L / 365.0L);
    return static_cast<float>(perDay * 30.0L * 0.01L);
}

} // namespace finplan
