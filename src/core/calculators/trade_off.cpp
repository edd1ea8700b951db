#include "calculators/trade_off.h"

#include "editing/field_check.h"
#include "results/text_format.h"

#include <cmath>
#include <vector>

namespace finplan {

namespace {

constexpr std::array<std::string_view, 4> kValueKeys = {"fixed-cost", "cost-per-period",
                                                        "fixed-amount", "income-per-period"};

std::string optionKey(std::string_view what, std::size_t option) {
    return std::string(what) + "-" + std::to_string(option + 1);
}

// The whole number of periods; anything above the limit counts as one more than it.
int wholePeriods(const TradeRecord& record) {
    const float periods = std::trunc(record.periods());
    if (periods > static_cast<float>(kTradeMaxPeriods)) {
        return kTradeMaxPeriods + 1;
    }
    return periods > 0.0f ? static_cast<int>(periods) : 0;
}

Refusal fileError(std::string text) {
    return {"FILE ERROR", std::move(text), "periods", MessageIcon::Exclamation};
}

} // namespace

FieldTexts tradeFields(const TradeRecord& record) {
    FieldTexts fields;
    for (std::size_t option = 0; option < kTradeOptionCount; ++option) {
        fields[optionKey("name", option)] = record.names[option];
        for (std::size_t kind = 0; kind < kValueKeys.size(); ++kind) {
            fields[optionKey(kValueKeys[kind], option)] = formatText(
                "%-10.2f", static_cast<double>(record.values[kind * kTradeOptionCount + option]));
        }
    }
    fields["periods"] = formatText("%d", wholePeriods(record));
    fields["use-tax-rate"] = record.usesTaxRate() ? "on" : "";
    return fields;
}

TradeRecord readTradeFields(const FieldTexts& fields, const TradeRecord& previous) {
    TradeRecord record = previous;
    for (std::size_t option = 0; option < kTradeOptionCount; ++option) {
        record.names[option] =
            std::string(textOf(fields, optionKey("name", option)).substr(0, kTradeNameLength));
        for (std::size_t kind = 0; kind < kValueKeys.size(); ++kind) {
            record.values[kind * kTradeOptionCount + option] = static_cast<float>(
                fieldNumber(textOf(fields, optionKey(kValueKeys[kind], option))));
        }
    }
    record.periods() = static_cast<float>(fieldNumber(textOf(fields, "periods")));
    record.setUsesTaxRate(isChecked(fields, "use-tax-rate"));
    return record;
}

float tradeValue(const TradeRecord& record, std::size_t option, int periods, float taxRate) {
    const float k =
        record.usesTaxRate() ? static_cast<float>(1.0 - static_cast<double>(taxRate) * 0.01) : 1.0f;
    float value = static_cast<float>(static_cast<double>(record.fixedAmount(option)) * k -
                                     record.fixedCost(option));
    const double perPeriod =
        (static_cast<double>(record.incomePerPeriod(option)) - record.costPerPeriod(option)) * k;
    for (int p = 0; p < periods; ++p) {
        value = static_cast<float>(value + perPeriod);
    }
    return value;
}

CalcResult calculateTradeOff(const TradeRecord& record, float taxRate) {
    const int periods = wholePeriods(record);
    if (periods > kTradeMaxPeriods) {
        return {{}, fileError("The number of periods cannot exceed 100."), {}};
    }
    std::array<float, kTradeOptionCount> ends{};
    OutputBuilder out;
    for (std::size_t option = 0; option < kTradeOptionCount; ++option) {
        ends[option] = tradeValue(record, option, periods, taxRate);
        out.text(optionKey("name", option), record.names[option]);
        out.number(optionKey("end-amount", option), "%-10.2f", ends[option]);
    }
    const auto difference = [&](std::size_t a, std::size_t b) {
        out.number("difference-" + std::to_string(a + 1) + "-" + std::to_string(b + 1), "%-10.2f",
                   std::fabs(static_cast<double>(ends[a]) - ends[b]));
    };
    difference(0, 1);
    difference(1, 2);
    difference(0, 2);
    return out.finish(MessageIcon::Exclamation);
}

std::optional<Refusal> tradePlotRefusal(const TradeRecord& record) {
    const int periods = wholePeriods(record);
    if (periods > kTradeMaxPeriods) {
        return fileError("The number of periods cannot exceed 100.");
    }
    if (periods < 3) {
        return fileError("Not enough periods.\nPlease try again.");
    }
    return std::nullopt;
}

std::string tradePlotText(const TradeRecord& record, float taxRate) {
    const int periods = wholePeriods(record);
    std::vector<std::size_t> named;
    for (std::size_t option = 0; option < kTradeOptionCount; ++option) {
        if (!record.names[option].empty()) {
            named.push_back(option);
        }
    }
    std::string text = "1\nDummy\nDummy\nDummy\n";
    text += formatText("%f\n", static_cast<double>(periods + 2));
    text += formatText("%d\n", static_cast<int>(named.size()));
    for (const std::size_t option : named) {
        text += record.names[option] + "\n";
    }
    for (int p = 0; p <= periods + 1; ++p) {
        for (std::size_t i = 0; i < named.size(); ++i) {
            text += "0.0\n";
        }
        text += formatText("%f ", static_cast<double>(p));
        for (const std::size_t option : named) {
            text += formatText("%f ", static_cast<double>(tradeValue(record, option, p, taxRate)));
        }
        text.push_back('\n');
    }
    text += "Done\nDone\n";
    return text;
}

} // namespace finplan
