#include "model/byte_io.h"
#include "model/scenario.h"
#include "model/scenario_image.h"
#include "model/text_field.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace finplan {
namespace {

template <class R>
std::vector<Byte> randomBytes(std::mt19937& rng) {
    std::vector<Byte> bytes(R::kSize);
    std::uniform_int_distribution<int> byte(0, 255);
    for (auto& b : bytes) {
        b = static_cast<Byte>(byte(rng));
    }
    return bytes;
}

// Every four-byte window gets a NaN pattern in turn, so every float field meets quiet and
// signalling NaNs with payloads at least once.
template <class R>
void expectRoundTrip(std::mt19937& rng) {
    for (int trial = 0; trial < 50; ++trial) {
        auto bytes = randomBytes<R>(rng);
        const std::uint32_t nan = (trial % 2) ? 0x7F800001u : 0xFFC12345u;
        for (std::size_t at = static_cast<std::size_t>(trial % 4); at + 4 <= bytes.size();
             at += 8) {
            std::memcpy(&bytes[at], &nan, 4);
        }
        const R record = decodeRecord<R>(bytes);
        const auto again = encodeRecord(record);
        ASSERT_EQ(std::vector<Byte>(again.begin(), again.end()), bytes) << "trial " << trial;
    }
}

TEST(RecordCodec, EveryRecordReproducesAnyBytesIncludingNaNs) {
    std::mt19937 rng(20261206);
    expectRoundTrip<ScenarioHeader>(rng);
    expectRoundTrip<EventRecord>(rng);
    expectRoundTrip<AccountRecord>(rng);
    expectRoundTrip<AccountTable>(rng);
    expectRoundTrip<GroupTable>(rng);
    expectRoundTrip<ReportTitles>(rng);
    expectRoundTrip<AccountSlotArrays>(rng);
    expectRoundTrip<PrintFont>(rng);
    expectRoundTrip<PrefInfo>(rng);
    expectRoundTrip<Budget>(rng);
}

template <class R>
std::array<Byte, R::kSize> image(const R& record) {
    return encodeRecord(record);
}

std::uint32_t u32At(std::span<const Byte> bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 |
           std::uint32_t{bytes[at + 2]} << 16 | std::uint32_t{bytes[at + 3]} << 24;
}

std::uint16_t u16At(std::span<const Byte> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t bitsOf(float f) {
    return std::bit_cast<std::uint32_t>(f);
}

TEST(RecordCodec, HeaderFieldsSitAtTheirOffsetsLittleEndian) {
    ScenarioHeader header;
    header.eventCount = 0x0102;
    header.useBirthday = 1;
    header.birthMonth = 7;
    header.birthDay = 31;
    const auto bytes = image(header);
    EXPECT_EQ(bytes[0], 0x02);
    EXPECT_EQ(bytes[1], 0x01);
    EXPECT_EQ(u32At(bytes, 26), bitsOf(30.0f)); // startAge
    EXPECT_EQ(u32At(bytes, 30), bitsOf(84.0f)); // endAge
    EXPECT_EQ(u16At(bytes, 34), 1);             // useBirthday
    EXPECT_EQ(u32At(bytes, 36), bitsOf(4.0f));  // inflationRate
    EXPECT_EQ(u32At(bytes, 48), bitsOf(15.0f)); // taxRate
    EXPECT_EQ(u32At(bytes, 52), bitsOf(3.0f));  // reserved52
    EXPECT_EQ(u32At(bytes, 60), bitsOf(6.0f));  // avgTaxFreeRate
    EXPECT_EQ(u32At(bytes, 72), bitsOf(10.0f)); // defaultPenaltyRate
    EXPECT_EQ(u16At(bytes, 76), 7);
    EXPECT_EQ(u16At(bytes, 78), 31);
}

TEST(RecordCodec, EventFieldsSitAtTheirOffsets) {
    EventRecord event;
    event.listLine = 1000;
    event.type = -1;
    event.amount = 1234.5f;
    event.accountId = -1;
    event.years = kAccountChosenMarker;
    event.allFunds = 1;
    setFieldText(event.name, "Salary");
    event.propertyTax = 2500.0f;
    event.extraPrincipal = 100.0f;
    event.sold = 1;
    event.budgetFlag = 2;
    event.payAccountId = 7;
    const auto bytes = image(event);
    EXPECT_EQ(u16At(bytes, 0), 1000);
    EXPECT_EQ(u16At(bytes, 16), 0xFFFF);
    EXPECT_EQ(u32At(bytes, 18), bitsOf(1234.5f));
    EXPECT_EQ(u16At(bytes, 24), 0xFFFF);
    EXPECT_EQ(u16At(bytes, 44), 438);
    EXPECT_EQ(u16At(bytes, 66), 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[70])), "Salary");
    EXPECT_EQ(u32At(bytes, 134), bitsOf(2500.0f));
    EXPECT_EQ(u32At(bytes, 146), bitsOf(100.0f));
    EXPECT_EQ(u16At(bytes, 154), 1);
    EXPECT_EQ(u16At(bytes, 156), 2);
    EXPECT_EQ(u16At(bytes, 158), 7);
}

TEST(RecordCodec, AccountTableFieldsSitAtTheirOffsets) {
    AccountTable table;
    table.accountCount = 2;
    table.accounts[1].accountId = 0xBEEF;
    table.accounts[1].slot = 49;
    table.accounts[1].group = 9;
    table.accounts[1].kind = 3;
    setFieldText(table.accounts[1].accessOrder, "A1");
    table.nextAccountId = 0x01020304;
    table.rmdDistribution = 3;
    table.assetAllocationMode = 2;
    const auto bytes = image(table);
    const std::size_t second = 2 + 82;
    EXPECT_EQ(bytes[second + 30], 'A');
    EXPECT_EQ(u16At(bytes, second + 50), 3);
    EXPECT_EQ(u16At(bytes, second + 60), 0xBEEF);
    EXPECT_EQ(u16At(bytes, second + 78), 9);
    EXPECT_EQ(u16At(bytes, second + 80), 49);
    EXPECT_EQ(u32At(bytes, 4102), 0x01020304u);
    EXPECT_EQ(u16At(bytes, 4118), 3);
    EXPECT_EQ(u16At(bytes, 4122), 2);
}

TEST(RecordCodec, OtherBlocksFieldsSitAtTheirOffsets) {
    GroupTable groups;
    groups.groupRandomMin[0] = -5.0f;
    groups.groupRandomMax[9] = 12.0f;
    groups.randomDistribution = 2;
    groups.stdSpreadFactor = 7;
    const auto g = image(groups);
    EXPECT_EQ(u32At(g, 210), bitsOf(-5.0f));
    EXPECT_EQ(u32At(g, 250 + 36), bitsOf(12.0f));
    EXPECT_EQ(u16At(g, 456), 2);
    EXPECT_EQ(u16At(g, 462), 7);

    AccountSlotArrays slots;
    slots.rmdTable[1] = 20;
    slots.lifeTable1StartAge = 70;
    slots.rmdTargetAccountId = 4;
    slots.lifeTable1[0] = 27.4f;
    slots.lifeTable3StartAge = 71;
    setFieldText(slots.lifeTable3Name, "IRA 3");
    const auto s = image(slots);
    EXPECT_EQ(u16At(s, 802), 20);
    EXPECT_EQ(u32At(s, 900), 70u);
    EXPECT_EQ(u16At(s, 916), 4);
    EXPECT_EQ(u32At(s, 1338), bitsOf(27.4f));
    EXPECT_EQ(u32At(s, 1702), 71u);
    EXPECT_EQ(s[1802], 'I');

    ReportTitles titles;
    titles.useTitle3 = 1;
    EXPECT_EQ(u16At(image(titles), 184), 1);

    PrintFont font;
    setFieldText(font.faceName, "Lucida");
    font.pitchAndFamily = 0x31;
    const auto f = image(font);
    EXPECT_EQ(f[27], 0x31);
    EXPECT_EQ(f[28], 'L');

    PrefInfo prefs;
    prefs.windowWidth = 800;
    prefs.printOption = 1;
    const auto p = image(prefs);
    EXPECT_EQ(u32At(p, 124), 800u);
    EXPECT_EQ(u32At(p, 148), 1u);

    Budget budget;
    budget.itemCount = 3;
    budget.itemTrack[29] = 1;
    budget.yearlyTotal = 100.0f;
    const auto b = image(budget);
    EXPECT_EQ(u16At(b, 30), 3);
    EXPECT_EQ(u16At(b, 1326 + 58), 1);
    EXPECT_EQ(u32At(b, 1386), bitsOf(100.0f));
    EXPECT_EQ(u32At(b, 1394), 0xFFFFFFFFu);
}

TEST(RecordCodec, ScenarioImageHasTheFileLengths) {
    Scenario scenario;
    scenario.header.eventCount = 3;
    EXPECT_EQ(encodeScenarioImage(scenario).size(), 14450u + 3 * 160);
    EXPECT_EQ(encodeShortScenarioImage(scenario).size(), 80u + 3 * 160 + 4124);
    scenario.header.eventCount = 0;
    EXPECT_EQ(encodeScenarioImage(scenario).size(), 14450u);
}

TEST(TextField, UnterminatedFieldEndsWithTheArray) {
    std::array<char, 4> field{'A', 'B', 'C', 'D'};
    EXPECT_EQ(fieldText(field), "ABCD");
    setFieldText(field, "longer than four");
    EXPECT_EQ(fieldText(field), "lon");
    EXPECT_EQ(field[3], '\0');
}

TEST(RecordCodec, TooFewBytesAreRefusedNotOverrun) {
    std::vector<Byte> bytes(ScenarioHeader::kSize - 1);
    EXPECT_THROW(decodeRecord<ScenarioHeader>(bytes), std::length_error);
}

} // namespace
} // namespace finplan
