#include "calc_test_support.h"
#include "calculators/trade_info_file.h"
#include "calculators/trade_off.h"

#include <gtest/gtest.h>

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

TEST(TradeOff, EndAmountsAndDifferences) {
    struct Case {
        bool tax;
        float taxRate;
        float periods;
        std::string end1;
        std::string end3;
        std::string difference13;
    };
    const Case cases[] = {
        {false, 25, 10, "1000.00   ", "1300.00   ", "300.00    "},
        {true, 25, 10, "500.00    ", "975.00    ", "475.00    "},
        // The tax rate is used as it is, not its whole part.
        {true, 25.5f, 10, "490.00    ", "968.50    ", "478.50    "},
        {false, 0, 10.9f, "1000.00   ", "1300.00   ", "300.00    "},
        {false, 0, 0, "-1000.00  ", "800.00    ", "1800.00   "},
    };
    for (const Case& c : cases) {
        TradeRecord r = threeOptions();
        r.setUsesTaxRate(c.tax);
        r.periods() = c.periods;
        const CalcResult result = calculateTradeOff(r, c.taxRate);
        ASSERT_TRUE(result.accepted()) << refusalOf(result);
        ASSERT_EQ(result.outputs.size(), 9u);
        EXPECT_EQ(result.outputs[0].key, "name-1");
        EXPECT_EQ(result.output("name-3"), "Lease");
        EXPECT_EQ(result.output("end-amount-1"), c.end1);
        EXPECT_EQ(result.output("end-amount-2"), "0.00      ");
        EXPECT_EQ(result.output("end-amount-3"), c.end3);
        EXPECT_EQ(result.output("difference-1-3"), c.difference13);
        EXPECT_EQ(result.outputs[8].key, "difference-1-3");
    }
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

TEST(TradeInfoFile, ReadsLineByLine) {
    struct Case {
        std::string bytes;
        std::array<std::string, 3> names;
        std::array<float, 15> values;
    };
    const std::string forty(40, 'a');
    const Case cases[] = {
        {"A\nB\nC\n1.500000\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n10\n1\n99.5\n",
         {"A", "B", "C"},
         {1.5f, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 10, 1, 99.5f}},
        // A long name is cut and the rest of its line dropped; the next line is the next name.
        {forty + "\nB\n\n5\n", {std::string(30, 'a'), "B", ""}, {5}},
        // Bad, non-finite and too large values read 0; periods are kept within 0 to 100.
        {"A\nB\nC\nx\ninf\nnan\n1e39\n0x10\n-7\n\n\n\n\n\n\n500\n",
         {"A", "B", "C"},
         {0, 0, 0, 0, 0, -7, 0, 0, 0, 0, 0, 0, 100}},
        {"A\nB\nC\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n-3\n", {"A", "B", "C"}, {}},
        // Windows line ends and a last line without one.
        {"A\r\nB\r\nC\r\n4\r\n5", {"A", "B", "C"}, {4, 5}},
        {"", {"", "", ""}, {}},
    };
    for (const Case& c : cases) {
        const TradeRecord r = readTradeInfo(c.bytes);
        EXPECT_EQ(r.names, c.names);
        EXPECT_EQ(r.values, c.values) << c.bytes;
    }
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
