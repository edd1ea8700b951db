#include "calc_test_support.h"
#include "calculators/trade_info_file.h"
#include "calculators/trade_off.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

namespace finplan {
namespace {

using test::refusalOf;

// Option 1: fixed cost 1,000, cost per period 100, income per period 300; option 2 nothing;
// option 3 a fixed amount of 800 and 50 a period; 10 periods.
TradeRecord threeOptions() {
    TradeRecord r;
    r.names = {"Buy", "Nothing", "Lease"};
    r.values[0] = 1000;
    r.values[3] = 100;
    r.values[9] = 300;
    r.values[8] = 800;
    r.values[11] = 50;
    r.periods() = 10;
    return r;
}

// End amounts and differences: tests/data/calculators/trade_off_cases.txt.
TEST(TradeOff, EndAmountsAndDifferences) {
    test::forEachCase("calculators/trade_off_cases.txt", "ends", 5, [&](const test::CaseLine& c) {
        TradeRecord r = threeOptions();
        r.setUsesTaxRate(c.input("tax") == "1");
        r.periods() = std::stof(c.input("periods"));
        const CalcResult result = calculateTradeOff(r, std::stof(c.input("rate")));
        ASSERT_TRUE(result.accepted()) << refusalOf(result);
        ASSERT_EQ(result.outputs.size(), 9u);
        EXPECT_EQ(result.outputs[0].key, "name-1");
        EXPECT_EQ(result.output("name-3"), "Lease");
        EXPECT_EQ(result.output("end-amount-1"), c.answer("end-1"));
        EXPECT_EQ(result.output("end-amount-2"), "0.00      ");
        EXPECT_EQ(result.output("end-amount-3"), c.answer("end-3"));
        EXPECT_EQ(result.output("difference-1-3"), c.answer("difference-1-3"));
        EXPECT_EQ(result.outputs[8].key, "difference-1-3");
    });
}

TEST(TradeOff, PeriodLimits) {
    TradeRecord r = threeOptions();
    r.periods() = 101;
    EXPECT_EQ(refusalOf(calculateTradeOff(r, 0)),
              "periods|FILE ERROR|The number of periods cannot exceed 100.");
    EXPECT_EQ(refusalOf(CalcResult{{}, tradePlotRefusal(r), {}}),
              "periods|FILE ERROR|The number of periods cannot exceed 100.");
    r.periods() = 1e30f;
    EXPECT_FALSE(calculateTradeOff(r, 0).accepted());
    r.periods() = 2.9f;
    EXPECT_TRUE(calculateTradeOff(r, 0).accepted());
    ASSERT_TRUE(tradePlotRefusal(r));
    EXPECT_EQ(tradePlotRefusal(r)->text, "Not enough periods.\nPlease try again.");
    r.periods() = 3;
    EXPECT_FALSE(tradePlotRefusal(r));
    r.periods() = 100;
    EXPECT_FALSE(tradePlotRefusal(r));
}

TEST(TradeOff, PlotFileLeavesOutOptionsWithoutAName) {
    TradeRecord r = threeOptions();
    r.names[1] = "";
    r.periods() = 3;
    r.setUsesTaxRate(true);
    EXPECT_EQ(tradePlotText(r, 25.5f),
              test::textBlock("calculators/trade_off.txt", "plot without the second name"));
}

TEST(TradeOff, FieldsRoundTripAndNamesAreCutToThirty) {
    TradeRecord r = threeOptions();
    r.values[14] = 7; // kept as it was
    FieldTexts fields = tradeFields(r);
    EXPECT_EQ(fields["fixed-cost-1"], "1000.00   ");
    EXPECT_EQ(fields["income-per-period-1"], "300.00    ");
    EXPECT_EQ(fields["fixed-amount-3"], "800.00    ");
    EXPECT_EQ(fields["periods"], "10");
    EXPECT_EQ(fields["use-tax-rate"], "");
    fields["name-2"] = std::string(35, 'x');
    fields["cost-per-period-2"] = "$1,234.50";
    fields["income-per-period-3"] = "junk";
    fields["use-tax-rate"] = "on";
    const TradeRecord read = readTradeFields(fields, r);
    EXPECT_EQ(read.names[1], std::string(30, 'x'));
    EXPECT_EQ(read.costPerPeriod(1), 1234.5f);
    EXPECT_EQ(read.incomePerPeriod(2), 0.0f);
    EXPECT_EQ(read.fixedCost(0), 1000.0f);
    EXPECT_TRUE(read.usesTaxRate());
    EXPECT_EQ(read.values[14], 7.0f);
}

// Trade information files as bytes: tests/data/calculators/trade_off_cases.txt.
TEST(TradeInfoFile, ReadsLineByLine) {
    test::forEachCase("calculators/trade_off_cases.txt", "read", 6, [&](const test::CaseLine& c) {
        std::array<std::string, 3> names;
        const auto namesRead = test::partsOf(c.answer("names"), ';');
        std::copy(namesRead.begin(), namesRead.end(), names.begin());
        std::array<float, 15> values{};
        const auto valuesRead = test::partsOf(c.answer("values"), ',');
        std::transform(valuesRead.begin(), valuesRead.end(), values.begin(),
                       [](const std::string& v) { return std::stof(v); });
        const TradeRecord r = readTradeInfo(c.input("bytes"));
        EXPECT_EQ(r.names, names);
        EXPECT_EQ(r.values, values);
    });
}

TEST(TradeInfoFile, WritesNamesThenValuesAndReadsItBack) {
    TradeRecord r = threeOptions();
    r.names[2] = "";
    r.setUsesTaxRate(true);
    const std::string text = tradeInfoText(r);
    EXPECT_EQ(text, test::textBlock("calculators/trade_off_texts.txt",
                                    "WritesNamesThenValuesAndReadsItBack"));
    const TradeRecord back = readTradeInfo(text);
    EXPECT_EQ(back.names, r.names);
    EXPECT_EQ(back.values, r.values);
    EXPECT_EQ(defaultTradeRecord().names,
              (std::array<std::string, 3>{"Option 1", "Option 2", "Option 3"}));
}

} // namespace
} // namespace finplan
