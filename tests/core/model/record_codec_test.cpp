#include "model/byte_io.h"
#include "model/scenario.h"
#include "model/scenario_image.h"
#include "model/text_field.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sstream>
#include <string>
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

// The fields of tests/data/model/record_offsets.txt block `name` sit in `bytes`.
void expectAt(std::span<const Byte> bytes, const std::string& name) {
    std::istringstream lines(test::textBlock("model/record_offsets.txt", name));
    int checked = 0;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream in(line);
        std::size_t at = 0;
        int width = 0;
        std::string text;
        if (line.starts_with("#") || !(in >> at >> width >> text)) {
            continue;
        }
        const std::uint32_t expected =
            text.starts_with("f:")   ? std::bit_cast<std::uint32_t>(std::stof(text.substr(2)))
            : text.starts_with("c:") ? static_cast<std::uint32_t>(text[2])
                                     : static_cast<std::uint32_t>(std::stoul(text, nullptr, 0));
        std::uint32_t value = 0;
        for (int i = 0; i < width; ++i) {
            value |= std::uint32_t{bytes[at + static_cast<std::size_t>(i)]} << (8 * i);
        }
        EXPECT_EQ(value, expected) << name << ": " << line;
        ++checked;
    }
    EXPECT_GT(checked, 0) << name;
}

TEST(RecordCodec, HeaderFieldsSitAtTheirOffsetsLittleEndian) {
    ScenarioHeader header;
    header.eventCount = 0x0102;
    header.useBirthday = 1;
    header.birthMonth = 7;
    header.birthDay = 31;
    expectAt(image(header), "header");
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
    expectAt(image(event), "event");
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
    expectAt(image(table), "account table");
}

TEST(RecordCodec, OtherBlocksFieldsSitAtTheirOffsets) {
    GroupTable groups;
    groups.groupRandomMin[0] = -5.0f;
    groups.groupRandomMax[9] = 12.0f;
    groups.randomDistribution = 2;
    groups.stdSpreadFactor = 7;
    expectAt(image(groups), "groups");

    AccountSlotArrays slots;
    slots.rmdTable[1] = 20;
    slots.lifeTable1StartAge = 70;
    slots.rmdTargetAccountId = 4;
    slots.lifeTable1[0] = 27.4f;
    slots.lifeTable3StartAge = 71;
    setFieldText(slots.lifeTable3Name, "IRA 3");
    expectAt(image(slots), "slots");

    ReportTitles titles;
    titles.useTitle3 = 1;
    expectAt(image(titles), "titles");

    PrintFont font;
    setFieldText(font.faceName, "Lucida");
    font.pitchAndFamily = 0x31;
    expectAt(image(font), "font");

    PrefInfo prefs;
    prefs.windowWidth = 800;
    prefs.printOption = 1;
    expectAt(image(prefs), "prefs");

    Budget budget;
    budget.itemCount = 3;
    budget.itemTrack[29] = 1;
    budget.yearlyTotal = 100.0f;
    expectAt(image(budget), "budget");
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
