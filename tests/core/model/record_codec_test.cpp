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

std::uint32_t bitsOf(float f) {
    return std::bit_cast<std::uint32_t>(f);
}

// A little-endian value expected at an offset: {offset, width in bytes, value}.
struct At {
    std::size_t at;
    int width;
    std::uint32_t value;
};

void expectAt(std::span<const Byte> bytes, std::initializer_list<At> fields) {
    for (const At& f : fields) {
        std::uint32_t value = 0;
        for (int i = 0; i < f.width; ++i) {
            value |= std::uint32_t{bytes[f.at + static_cast<std::size_t>(i)]} << (8 * i);
        }
        EXPECT_EQ(value, f.value) << "offset " << f.at;
    }
}

TEST(RecordCodec, HeaderFieldsSitAtTheirOffsetsLittleEndian) {
    ScenarioHeader header;
    header.eventCount = 0x0102;
    header.useBirthday = 1;
    header.birthMonth = 7;
    header.birthDay = 31;
    // startAge, endAge, useBirthday, inflationRate, taxRate, reserved52, avgTaxFreeRate,
    // defaultPenaltyRate, birth month and day.
    expectAt(image(header), {{0, 1, 0x02},
                             {1, 1, 0x01},
                             {26, 4, bitsOf(30.0f)},
                             {30, 4, bitsOf(84.0f)},
                             {34, 2, 1},
                             {36, 4, bitsOf(4.0f)},
                             {48, 4, bitsOf(15.0f)},
                             {52, 4, bitsOf(3.0f)},
                             {60, 4, bitsOf(6.0f)},
                             {72, 4, bitsOf(10.0f)},
                             {76, 2, 7},
                             {78, 2, 31}});
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
    expectAt(bytes, {{0, 2, 1000},
                     {16, 2, 0xFFFF},
                     {18, 4, bitsOf(1234.5f)},
                     {24, 2, 0xFFFF},
                     {44, 2, 438},
                     {66, 2, 1},
                     {134, 4, bitsOf(2500.0f)},
                     {146, 4, bitsOf(100.0f)},
                     {154, 2, 1},
                     {156, 2, 2},
                     {158, 2, 7}});
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[70])), "Salary");
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
    const std::size_t second = 2 + 82;
    expectAt(image(table), {{second + 30, 1, 'A'},
                            {second + 50, 2, 3},
                            {second + 60, 2, 0xBEEF},
                            {second + 78, 2, 9},
                            {second + 80, 2, 49},
                            {4102, 4, 0x01020304u},
                            {4118, 2, 3},
                            {4122, 2, 2}});
}

TEST(RecordCodec, OtherBlocksFieldsSitAtTheirOffsets) {
    GroupTable groups;
    groups.groupRandomMin[0] = -5.0f;
    groups.groupRandomMax[9] = 12.0f;
    groups.randomDistribution = 2;
    groups.stdSpreadFactor = 7;
    expectAt(image(groups),
             {{210, 4, bitsOf(-5.0f)}, {250 + 36, 4, bitsOf(12.0f)}, {456, 2, 2}, {462, 2, 7}});

    AccountSlotArrays slots;
    slots.rmdTable[1] = 20;
    slots.lifeTable1StartAge = 70;
    slots.rmdTargetAccountId = 4;
    slots.lifeTable1[0] = 27.4f;
    slots.lifeTable3StartAge = 71;
    setFieldText(slots.lifeTable3Name, "IRA 3");
    expectAt(image(slots), {{802, 2, 20},
                            {900, 4, 70},
                            {916, 2, 4},
                            {1338, 4, bitsOf(27.4f)},
                            {1702, 4, 71},
                            {1802, 1, 'I'}});

    ReportTitles titles;
    titles.useTitle3 = 1;
    expectAt(image(titles), {{184, 2, 1}});

    PrintFont font;
    setFieldText(font.faceName, "Lucida");
    font.pitchAndFamily = 0x31;
    expectAt(image(font), {{27, 1, 0x31}, {28, 1, 'L'}});

    PrefInfo prefs;
    prefs.windowWidth = 800;
    prefs.printOption = 1;
    expectAt(image(prefs), {{124, 4, 800}, {148, 4, 1}});

    Budget budget;
    budget.itemCount = 3;
    budget.itemTrack[29] = 1;
    budget.yearlyTotal = 100.0f;
    expectAt(image(budget),
             {{30, 2, 3}, {1326 + 58, 2, 1}, {1386, 4, bitsOf(100.0f)}, {1394, 4, 0xFFFFFFFFu}});
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
