#include "calculators/refinance_analysis.h"

#include "editing/field_check.h"
#include "finance/debt_math.h"
#include "results/text_format.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>

namespace finplan {

namespace {

constexpr MessageIcon kBox = MessageIcon::Exclamation;

std::string rateMessage(const char* which, double min, double max) {
    return formatText("The %s Rate must be between %-7.2f%% and %-7.2f%%.", which, min, max);
}

// The fields the refinanced amount depends on: the existing mortgage, the age and the cash out.
bool readExisting(FieldReader& in, RefinanceInputs& inputs) {
    const auto startAge = in.whole("start-age", 1.0, 120.0, "AGE ERROR", validationMessage(7));
    if (!startAge) {
        return false;
    }
    const auto amount = in.real("amount", 1.0, 100000000.0, "AMOUNT ERROR", validationMessage(2));
    if (!amount) {
        return false;
    }
    const auto rate = in.real("rate", 1.0, 1000.0, "RATE ERROR", validationMessage(6));
    if (!rate) {
        return false;
    }
    const auto years = readRefinanceTerm(in, "years");
    if (!years) {
        return false;
    }
    const auto age = in.real("refinance-age", 1.0, 120.0, "AGE ERROR", validationMessage(7));
    if (!age) {
        return false;
    }
    if (*age < static_cast<float>(*startAge)) {
        refuseRefinanceAge(in);
        return false;
    }
    const auto cashOut = readCashOut(in);
    if (!cashOut) {
        return false;
    }
    inputs.startAge = *startAge;
    inputs.amount = *amount;
    inputs.rate = *rate;
    inputs.years = *years;
    inputs.refinanceAge = *age;
    inputs.typedAmount = static_cast<float>(in.number("refinanced-amount"));
    inputs.cashOut = *cashOut;
    inputs.cashOutAsSavings = in.checked("cash-out-as-savings");
    return true;
}

bool readRefinancing(FieldReader& in, RefinanceInputs& inputs) {
    const auto rate = in.real("new-rate", 1.0, 1000.0, "RATE ERROR", validationMessage(6));
    if (!rate) {
        return false;
    }
    const auto years = readRefinanceTerm(in, "new-years");
    if (!years) {
        return false;
    }
    const auto closing = readClosingCosts(in);
    if (!closing) {
        return false;
    }
    const auto points = readPoints(in);
    if (!points) {
        return false;
    }
    const auto tax =
        in.real("tax-rate", 1.0, 100.0, "RATE ERROR", rateMessage("Tax", 1.0, 100.0), kBox);
    if (!tax) {
        return false;
    }
    const auto savings = in.real("savings-rate", -200.0, 200.0, "RATE ERROR",
                                 rateMessage("Savings", -200.0, 200.0), kBox);
    if (!savings) {
        return false;
    }
    inputs.newRate = *rate;
    inputs.newYears = *years;
    inputs.closingCosts = *closing;
    inputs.includeClosingCosts = in.checked("include-closing-costs");
    inputs.points = *points;
    inputs.includePoints = in.checked("include-points");
    inputs.taxRate = *tax;
    inputs.savingsRate = *savings;
    return true;
}

// One course of the comparison: its own loan, savings and equity, and the year's sums.
class Course {
public:
    Course(float principal, float yearlyRate, int years, int firstMonth, float payment,
           float savings, float netWorthOffset)
        : m_principal(principal)
        , m_rate(monthlyRate(yearlyRate))
        , m_months(years * 12)
        , m_firstMonth(firstMonth)
        , m_payment(payment)
        , m_savings(savings)
        , m_offset(netWorthOffset) {}

    void month(int k, float budget, float savingsRate) {
        const Amortized paid = loanMonth(k - m_firstMonth);
        m_savings = static_cast<float>(static_cast<double>(m_savings) + budget);
        if (paid.months > 0) {
            const double interest = std::max(0.0, static_cast<double>(m_payment) - paid.principal);
            m_equity += paid.principal;
            m_savings -= m_payment;
            m_year.principal += paid.principal;
            m_year.interest = static_cast<float>(m_year.interest + interest);
            m_ranThisYear = true;
        }
        const float earned =
            static_cast<float>(static_cast<double>(m_savings) * savingsRate * 0.01 * (1.0 / 12.0));
        m_savings += earned;
        m_year.savingsInterest += earned;
    }

    CourseYear endYear(float taxRate, float budget) {
        CourseYear year = m_year;
        year.taxSavings = static_cast<float>(static_cast<double>(year.interest) * taxRate * 0.01);
        year.taxOnInterest =
            static_cast<float>(static_cast<double>(year.savingsInterest) * taxRate * 0.01);
        m_savings -= year.taxOnInterest;
        if (m_ranThisYear) {
            m_savings += year.taxSavings;
        }
        const double difference = (static_cast<double>(budget) - m_payment) * 12.0;
        year.paymentDifference = difference < 1.0 ? 0.0 : difference;
        year.savings = m_savings;
        year.equity = m_equity;
        year.netWorth = netWorth();
        m_year = {};
        m_ranThisYear = false;
        return year;
    }

    CourseYear atStart() const {
        CourseYear start;
        start.savings = m_savings;
        start.netWorth = netWorth();
        return start;
    }

    double netWorth() const { return static_cast<double>(m_savings) + m_equity - m_offset; }

private:
    // A loan runs for its term only: a float residue left after the last month is not paid
    // with another full payment.
    Amortized loanMonth(int month) {
        if (m_finished || month >= m_months) {
            return {};
        }
        const Amortized paid =
            amortizeMonths(m_principal, m_rate, m_months, month, month, 0.0f, 0, m_cursor);
        m_finished = paid.months == 0; // every later month pays nothing either
        return paid;
    }

    float m_principal;
    float m_rate;
    int m_months;
    int m_firstMonth;
    float m_payment;
    float m_savings;
    float m_offset;
    float m_equity = 0.0f;
    CourseYear m_year;
    bool m_ranThisYear = false;
    bool m_finished = false;
    AmortizationCursor m_cursor;
};

void setCosts(const RefinanceInputs& in, float refinancedAmount, RefinanceAnalysis& a) {
    float borrowed = refinancedAmount;
    if (in.includeClosingCosts) {
        borrowed = static_cast<float>(static_cast<double>(borrowed) + in.closingCosts);
    }
    if (in.includePoints) {
        borrowed = static_cast<float>(borrowed + static_cast<double>(in.points) * 0.01 * borrowed);
    }
    a.refinancedAmount = refinancedAmount;
    a.amountAfterCosts = borrowed;
    a.totalCosts =
        static_cast<float>(static_cast<double>(in.points) * 0.01 * borrowed + in.closingCosts);
}

} // namespace

std::optional<int> readRefinanceTerm(FieldReader& in, std::string_view key) {
    const double years = std::trunc(in.number(key));
    if (years < 1.0) {
        in.refuse(key, "Number of Years Error!", "The number of years be greater than 0.", kBox);
        return std::nullopt;
    }
    if (years > 50.0) {
        in.refuse(key, "Number of Years Error!", "The number of years be less than 50.", kBox);
        return std::nullopt;
    }
    return static_cast<int>(years);
}

std::optional<float> readClosingCosts(FieldReader& in) {
    return in.real("closing-costs", 0.0, DBL_MAX, "Closing Costs Error!",
                   "The closing costs must be greater or equal to zero.", kBox);
}

std::optional<float> readPoints(FieldReader& in) {
    return in.real("points", 0.0, DBL_MAX, "Mortgage points Error!",
                   "The mortgage points must be greater or equal to zero.", kBox);
}

std::optional<float> readCashOut(FieldReader& in) {
    return in.real("cash-out", 0.0, 100000000.0, "AMOUNT ERROR", validationMessage(2));
}

void refuseRefinanceAge(FieldReader& in) {
    in.refuse("refinance-age", "Age Error!",
              "The age at refinancing must be greater the the age of the orginal mortgage.", kBox);
}

std::optional<RefinanceInputs> readRefinanceInputs(FieldReader& in) {
    RefinanceInputs inputs;
    if (!readExisting(in, inputs) || !readRefinancing(in, inputs)) {
        return std::nullopt;
    }
    return inputs;
}

int monthsBeforeRefinancing(int startAge, float refinanceAge) {
    const double months = std::ceil((static_cast<double>(refinanceAge) - startAge) * 12.0);
    return months > 0.0 ? static_cast<int>(months) : 0;
}

float computedRefinancedAmount(const RefinanceInputs& in) {
    const float rate = monthlyRate(in.rate);
    const int before = monthsBeforeRefinancing(in.startAge, in.refinanceAge);
    AmortizationCursor cursor;
    float paid = 0.0f;
    for (int month = 0; month < before; ++month) {
        paid +=
            amortizeMonths(in.amount, rate, in.years * 12, month, month, 0.0f, 0, cursor).principal;
    }
    return static_cast<float>(static_cast<double>(in.amount) - paid + in.cashOut);
}

RefinanceAnalysis analyzeRefinance(const RefinanceInputs& in, float refinancedAmount) {
    RefinanceAnalysis a;
    a.existingPayment = loanPayment(in.amount, monthlyRate(in.rate), in.years * 12);
    setCosts(in, refinancedAmount, a);
    a.refinancedPayment =
        loanPayment(a.amountAfterCosts, monthlyRate(in.newRate), in.newYears * 12);
    a.monthlyBudget = std::max(a.existingPayment, a.refinancedPayment);

    const int before = monthsBeforeRefinancing(in.startAge, in.refinanceAge);
    const int existingEnd = in.years * 12;
    const int refinancedEnd = before + in.newYears * 12;
    const int end = std::max(existingEnd, refinancedEnd);
    a.monthsCompared = end - before;
    a.graphMonths = refinancedEnd > existingEnd ? in.newYears * 12 : existingEnd - before;

    const float cash = in.cashOutAsSavings ? in.cashOut : 0.0f;
    Course existing(in.amount, in.rate, in.years, 0, a.existingPayment, a.totalCosts, 0.0f);
    Course refinanced(a.amountAfterCosts, in.newRate, in.newYears, before, a.refinancedPayment,
                      cash, cash);
    const int firstAge = static_cast<int>(std::trunc(in.refinanceAge));
    a.start = {firstAge, existing.atStart(), refinanced.atStart()};
    a.points.push_back({0, existing.netWorth(), refinanced.netWorth()});
    for (int k = before; k < end; ++k) {
        existing.month(k, a.monthlyBudget, in.savingsRate);
        refinanced.month(k, a.monthlyBudget, in.savingsRate);
        const int counted = k - before + 1;
        if (counted % 12 == 0 || k + 1 == end) {
            const int age = firstAge + static_cast<int>(a.years.size()) + 1;
            a.years.push_back({age, existing.endYear(in.taxRate, a.monthlyBudget),
                               refinanced.endYear(in.taxRate, a.monthlyBudget)});
        }
        if (!a.breakEvenMonths && refinanced.netWorth() >= existing.netWorth()) {
            a.breakEvenMonths = k - before;
        }
        if (counted % 4 == 0) {
            a.points.push_back({counted, existing.netWorth(), refinanced.netWorth()});
        }
    }
    return a;
}

void typeRefinancedAmount(RefinanceState& state, std::string text) {
    state.fields["refinanced-amount"] = std::move(text);
    state.amountComputed = false;
}

namespace {

bool wantsComputedAmount(const RefinanceState& state, const RefinanceInputs& inputs) {
    return state.amountComputed || inputs.typedAmount <= 0.0f;
}

void storeComputedAmount(RefinanceState& state, float amount) {
    state.fields["refinanced-amount"] = formatText("%-12.2f", static_cast<double>(amount));
    state.amountComputed = true;
}

} // namespace

CalcResult runRefinanceAnalysis(RefinanceState& state, RefinanceAnalysis* analysis) {
    FieldReader in(state.fields, MessageIcon::Stop);
    const auto inputs = readRefinanceInputs(in);
    if (!inputs) {
        return in.result();
    }
    float amount = inputs->typedAmount;
    if (wantsComputedAmount(state, *inputs)) {
        amount = computedRefinancedAmount(*inputs);
        storeComputedAmount(state, amount);
    }
    RefinanceAnalysis a = analyzeRefinance(*inputs, amount);
    OutputBuilder out;
    out.money("existing-payment", a.existingPayment);
    out.text("refinanced-amount", std::string(textOf(state.fields, "refinanced-amount")));
    out.money("refinanced-payment", a.refinancedPayment);
    out.money("refinanced-amount-after-costs", a.amountAfterCosts);
    out.money("total-mortgage-costs", a.totalCosts);
    out.text("months-to-break-even",
             a.breakEvenMonths ? formatText("%-3d", *a.breakEvenMonths) : "Never");
    out.text("months-compared", formatText("%d", a.monthsCompared));
    for (const RefinanceYear& year : a.years) {
        out.requireFinite(year.existing.netWorth);
        out.requireFinite(year.refinanced.netWorth);
    }
    CalcResult result = out.finish(kBox);
    if (analysis != nullptr && result.accepted()) {
        *analysis = std::move(a);
    }
    return result;
}

void refreshRefinancedAmount(RefinanceState& state) {
    FieldReader in(state.fields, MessageIcon::Stop);
    RefinanceInputs inputs;
    if (readExisting(in, inputs) && wantsComputedAmount(state, inputs)) {
        storeComputedAmount(state, computedRefinancedAmount(inputs));
    }
}

} // namespace finplan
