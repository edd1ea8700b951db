#include "calculators/accelerated_payments.h"

#include "finance/debt_math.h"
#include "results/text_format.h"

namespace finplan {

namespace {

constexpr MessageIcon kBox = MessageIcon::Exclamation;

struct AcceleratedInputs {
    float amount = 0.0f;
    int years = 0;
    int yearsLeft = 0;
    float rate = 0.0f;
    float extra = 0.0f;
    float investmentRate = 0.0f;
    float taxRate = 0.0f;
    float inflation = 0.0f;
};

// A rate from 0 to 50 %; `above` says whether 0 itself is refused.
std::optional<float> readRate(FieldReader& in, std::string_view key, bool above,
                              std::string_view text) {
    const double value = in.number(key);
    if ((above ? value <= 0.0 : value < 0.0) || value > 50.0) {
        in.refuse(key, "Rate Error!", text, kBox);
        return std::nullopt;
    }
    return static_cast<float>(value);
}

std::optional<AcceleratedInputs> readInputs(FieldReader& in) {
    AcceleratedInputs a;
    const double amount = in.number("amount");
    if (amount <= 0.0 || amount > 10000000.0) {
        in.refuse("amount", "Amount Error!",
                  "The mortgage amount must be greater than $0.00 and less than $10,000,000.00.");
        return std::nullopt;
    }
    const auto years = in.whole("years", 1.0, 50.0, "Number of Years Error!",
                                "The number of years must be greater than 0 and less than 50.");
    if (!years) {
        return std::nullopt;
    }
    const auto left = in.whole("years-left", 1.0, *years, "Number of Years Left Error!",
                               "The number of years left must be greater than 0 and less than "
                               "the life of the mortgage.");
    if (!left) {
        return std::nullopt;
    }
    const auto rate = readRate(in, "rate", true,
                               "The mortgage rate must be greater than 0.0% and less than 50.0%");
    if (!rate) {
        return std::nullopt;
    }
    const auto extra = in.real("extra", 0.0, 100000.0, "Additional Amount Error!",
                               "The addition monthly payment must be greater than $0.00 and less "
                               "than $100,000.00");
    if (!extra) {
        return std::nullopt;
    }
    const auto investment =
        readRate(in, "investment-rate", false,
                 "The investment rate must be greater than 0.0% and less than 50.0%");
    if (!investment) {
        return std::nullopt;
    }
    const auto tax = readRate(in, "tax-rate", false,
                              "The tax rate must be greater than 0.0% and less than 50.0%");
    if (!tax) {
        return std::nullopt;
    }
    const auto inflation = readRate(
        in, "inflation", false, "The inflation rate must be greater than 0.0% and less than 50.0%");
    if (!inflation) {
        return std::nullopt;
    }
    a.amount = static_cast<float>(amount);
    a.years = *years;
    a.yearsLeft = *left;
    a.rate = *rate;
    a.extra = *extra;
    a.investmentRate = *investment;
    a.taxRate = *tax;
    a.inflation = *inflation;
    return a;
}

struct Balances {
    float existingInterest = 0.0f;
    float acceleratedInterest = 0.0f;
    int lastMonth = 0; // the months the accelerated mortgage was paid
};

// Both mortgages month by month; the accelerated one pays the extra in its last years.
Balances payDown(const AcceleratedInputs& in, float rate, float payment) {
    Balances out;
    float b0 = in.amount;
    float b1 = in.amount;
    const int months = in.years * 12;
    const int extraFrom = (in.years - in.yearsLeft) * 12;
    for (int i = 1; i <= months; ++i) {
        const float i0 = rate * b0;
        const float i1 = rate * b1;
        if (b0 != 0.0f) {
            const float p0 = payment - i0;
            if (b0 > 0.0f) {
                b0 -= p0;
            }
            b0 = b0 < 0.0f ? 0.0f : b0;
        }
        if (b1 != 0.0f) {
            float p1 = 0.0f;
            if (i > extraFrom) {
                p1 = static_cast<float>(static_cast<double>(payment) + in.extra - i1);
                p1 = b1 - p1 < 0.0f ? b1 : p1;
            } else {
                p1 = payment - i1;
            }
            if (b1 >= 0.0f) {
                b1 -= p1;
                out.lastMonth = i;
            }
            b1 = b1 < 0.0f ? 0.0f : b1;
        }
        out.existingInterest += i0;
        out.acceleratedInterest += i1;
    }
    return out;
}

// What the extra payments would be worth invested instead, over the whole years paid.
float investedValue(const AcceleratedInputs& in, int years) {
    const double yearly = static_cast<double>(in.extra) * 12.0;
    float worth = static_cast<float>(yearly);
    for (int n = 0; n < years; ++n) {
        const float gain =
            static_cast<float>(static_cast<double>(worth) * in.investmentRate * 0.01);
        const float kept =
            static_cast<float>(worth - static_cast<double>(gain) * in.taxRate * 0.01);
        worth = static_cast<float>(yearly +
                                   (kept - static_cast<double>(kept) * in.inflation * 0.01) + gain);
    }
    return worth;
}

} // namespace

CalcResult calculateAcceleratedPayments(const FieldTexts& fields) {
    FieldReader in(fields, kBox);
    const auto inputs = readInputs(in);
    if (!inputs) {
        return in.result();
    }
    const float rate = monthlyRate(inputs->rate);
    const float payment = loanPayment(inputs->amount, rate, inputs->years * 12);
    const Balances paid = payDown(*inputs, rate, payment);
    const double existingTotal = static_cast<double>(paid.existingInterest) + inputs->amount;
    const double acceleratedTotal = static_cast<double>(paid.acceleratedInterest) + inputs->amount;
    const int investedYears = paid.lastMonth / 12;

    OutputBuilder out;
    out.money("existing-payment", payment);
    out.money("existing-total-payments", existingTotal);
    out.money("existing-total-interest", paid.existingInterest);
    out.number("payment-years", "%-6.2f", paid.lastMonth * (1.0 / 12.0));
    out.money("accelerated-payment", static_cast<double>(payment) + inputs->extra);
    out.money("accelerated-total-payments", acceleratedTotal);
    out.money("accelerated-total-interest", paid.acceleratedInterest);
    out.money("savings", existingTotal - acceleratedTotal);
    out.money("investment-value", investedValue(*inputs, investedYears));
    out.text("investment-years", formatText("%3d", investedYears));
    return out.finish(kBox);
}

FieldTexts acceleratedStartFields(float taxRate, float inflationRate) {
    return {{"amount", formatText("%-13.2f", 0.0)},
            {"years", formatText("%3d", 30)},
            {"years-left", formatText("%3d", 30)},
            {"rate", formatText("%-6.2f", 0.0)},
            {"extra", formatText("%-13.2f", 0.0)},
            {"investment-rate", formatText("%-13.2f", 5.0)},
            {"tax-rate", formatText("%-13.2f", static_cast<double>(taxRate))},
            {"inflation", formatText("%-13.2f", static_cast<double>(inflationRate))}};
}

} // namespace finplan
