#include "calculators/mortgage_schedule.h"

#include "finance/debt_math.h"
#include "results/text_format.h"

#include <algorithm>
#include <cmath>

namespace finplan {

namespace {

bool validMortgage(const EventRecord& m) {
    const float principal = m.amount - m.downPayment;
    return m.startAge >= 1.0f && m.startAge <= 120.0f &&
           (m.endAge == 0.0f || m.endAge >= m.startAge) &&
           (m.adjustRate == 0.0f || m.adjustRate >= m.startAge) && principal > 0.0f &&
           m.rate >= 0.0f && m.rate <= 100.0f && m.years >= 1 && m.years <= 100;
}

MortgageScheduleRow makeRow(int age, float p, float i, float tp, float ti, float value,
                            const EventRecord& m) {
    const double owned = static_cast<double>(m.downPayment) + tp;
    const double liability = static_cast<double>(m.amount) - owned;
    return {age,
            {p, i, tp, ti, static_cast<double>(tp) + ti, owned, owned + value - m.amount, value,
             liability >= 0.0 ? liability : 0.0}};
}

} // namespace

MortgageSchedule buildMortgageSchedule(const EventRecord& m, float scenarioStartAge) {
    MortgageSchedule schedule;
    if (!validMortgage(m)) {
        return schedule;
    }
    schedule.valid = true;
    const float principal = m.amount - m.downPayment;
    const float rate = monthlyRate(m.rate);
    const int months = m.years * 12;
    const int firstAge = static_cast<int>(std::trunc(m.startAge));
    const int m0 = std::max(0, (static_cast<int>(std::trunc(scenarioStartAge)) - firstAge) * 12);
    const float sellAge = m.adjustRate;
    const float payoffAge = m.endAge;

    int monthIndex = 0;
    float tp = 0.0f;
    float ti = 0.0f;
    float value = m.amount;
    schedule.rows.push_back(makeRow(firstAge, 0.0f, 0.0f, tp, ti, value, m));
    AmortizationCursor cursor;
    // A year past the payoff or sell age never comes: the table stops at the row that reaches
    // either.
    for (int y = firstAge; y < static_cast<double>(m.startAge) + m.years; ++y) {
        value = static_cast<float>(value + static_cast<double>(value) * m.appreciationRate * 0.01);
        const ExtraPrincipal extra = extraPrincipalFor(m.extraPrincipalMode(), m.extraPrincipal,
                                                       static_cast<float>(y), scenarioStartAge, m0);
        const Amortized year = amortizeMonths(principal, rate, months, monthIndex, monthIndex + 11,
                                              extra.extra, extra.fromMonth, cursor);
        monthIndex += 12;
        tp += year.principal;
        ti += year.interest;
        schedule.rows.push_back(makeRow(y + 1, year.principal, year.interest, tp, ti, value, m));
        const bool sold = sellAge != 0.0f && static_cast<float>(y + 1) >= sellAge;
        const bool paidOff = payoffAge != 0.0f && static_cast<float>(y + 1) >= payoffAge;
        if (sold || paidOff) {
            break;
        }
    }
    return schedule;
}

std::string mortgageScheduleFileText(const MortgageSchedule& schedule) {
    std::string text;
    for (const std::string_view title : kMortgageScheduleColumns) {
        text.append(title);
        text.push_back('\t');
    }
    text.push_back('\n');
    for (const MortgageScheduleRow& row : schedule.rows) {
        text += formatText("%3d\t", row.age);
        for (std::size_t c = 0; c < row.values.size(); ++c) {
            text += formatText(c < 2 ? "%14.2f\t" : "%16.2f\t", row.values[c]);
        }
        text.push_back('\n');
    }
    text += "Dooone";
    return text;
}

} // namespace finplan
