#include "calculators/refinance_files.h"

#include "results/text_format.h"

#include <array>

namespace finplan {

namespace {

// The payment difference of the starting lines is written as it stands, not as a number.
std::string courseLine(int age, char course, const CourseYear& c, bool atStart) {
    const std::array<double, 9> values = {c.netWorth,          c.savings,         c.equity,
                                          c.paymentDifference, c.principal,       c.interest,
                                          c.taxSavings,        c.savingsInterest, c.taxOnInterest};
    std::string line = formatText("%3d %c\t", age, course);
    for (std::size_t i = 0; i < values.size(); ++i) {
        line += atStart && i == 3 ? std::string("0.00") : formatText("%16.2f", values[i]);
        line.push_back(i + 1 < values.size() ? '\t' : '\n');
    }
    return line;
}

} // namespace

std::string refinanceReportText(const RefinanceAnalysis& a) {
    std::string text = "Age\tNet Worth\tSavings\tEquity\t+Diff. in Mon. Pay.\t+Principal\t-Interest"
                       "\t+Tax Savings\t-Savings Interest\t-Tax on Interest\n";
    text += courseLine(a.start.age, 'O', a.start.existing, true);
    text += courseLine(a.start.age, 'R', a.start.refinanced, true);
    for (const RefinanceYear& year : a.years) {
        text += courseLine(year.age, 'O', year.existing, false);
        text += courseLine(year.age, 'R', year.refinanced, false);
    }
    text += "Dooone\n";
    return text;
}

std::string refinanceGraphText(const RefinanceAnalysis& a) {
    std::string text = "1\nDummy\nDummy\nDummy\n";
    text += formatText("%f\n", static_cast<double>(a.graphMonths));
    text += "2\nExisting Mortgage\nRefinanced Mortgage\n";
    for (const RefinanceGraphPoint& point : a.points) {
        text += "0.0\n0.0\n";
        text += formatText("%f %f %f\n", static_cast<double>(point.month), point.existing,
                           point.refinanced);
    }
    return text;
}

} // namespace finplan
