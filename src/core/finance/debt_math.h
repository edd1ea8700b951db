#pragma once

namespace finplan {

// The debt arithmetic shared by the run, the debt editors and the calculators. Every step is
// rounded to single precision as the payments have always been computed, so cents agree
// between the schedule, the editors and the calculators.

// x multiplied by x, n - 1 times, rounding after each multiplication; x itself for n <= 1
// (n = 0 included).
float repeatedPower(float x, int n);

// The monthly rate of a yearly rate in percent: (rate x 0.01) x (1/12), the product taken in
// extended precision and rounded once to float. That is the correctly rounded (rate x 0.01) / 12;
// multiplying by a single-precision 1/12 instead is one bit off for about a third of all rates.
float monthlyRate(float yearlyPercent);

// The level monthly payment that repays `principal` in `months` months at `rate` a month:
// q = (1 + rate)^months, d = 1 - 1/q and principal x rate / d, each taken in double and rounded
// once to float, so that neither principal x rate nor 1/q is rounded on its own.
// Without interest (a rate too small to move 1 + rate in single precision included) it is
// principal / months. A month count below 1 is one month, as the power above takes it.
float loanPayment(float principal, float rate, int months);

// What the months firstMonth..lastMonth of a loan's schedule pay.
struct Amortized {
    float principal = 0.0f; // principal paid in those months
    float interest = 0.0f;  // interest of the months counted
    int months = 0;         // months counted: those the loan still ran
};

// Replays the schedule of a loan of `principal` over `months` months from month 0, with
// `extra` principal added to each month from `extraFrom` on, and sums the months firstMonth
// to lastMonth. The month whose balance is below its principal pays just the balance, and
// nothing is paid after it.
Amortized amortizeMonths(float principal, float rate, int months, int firstMonth, int lastMonth,
                         float extra, int extraFrom);

// Where a replay of one loan's schedule stood after a call, so that the next call for the same
// loan and terms goes on from there instead of from month 0. The arithmetic is the same month by
// month, so the results are the same to the bit; a run replays every debt every year.
struct AmortizationCursor {
    float principal = 0.0f;
    float rate = 0.0f;
    int months = 0;
    float extra = 0.0f;
    int extraFrom = 0;
    float payment = 0.0f;
    int nextMonth = 0;
    float balance = 0.0f;
    bool valid = false;
};

Amortized amortizeMonths(float principal, float rate, int months, int firstMonth, int lastMonth,
                         float extra, int extraFrom, AmortizationCursor& cursor);

// The extra principal of a mortgage's accelerated payments in the year at `age`, and the month
// of its schedule it is paid from. Mode 1 pays it from the mortgage's own start; mode 2 from the
// scenario's start age, which is month m0 of the schedule, and nothing in the years before it;
// any other mode pays none.
struct ExtraPrincipal {
    float extra = 0.0f;
    int fromMonth = 0;
};
ExtraPrincipal extraPrincipalFor(int mode, float extraPrincipal, float age, float scenarioStartAge,
                                 int m0);

// A credit card's interest for one 30-day month: balance x rate x (1/365) x 30 x 0.01, from
// the factor 1/365 on in extended precision, rounded once to float.
float cardMonthInterest(float balance, float yearlyPercent);

} // namespace finplan
