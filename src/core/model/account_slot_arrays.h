#pragma once

#include "model/account_table.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace finplan {

inline constexpr int kLifeTableLength = 30;
inline constexpr int kLifeTableCount = 3;

// Per-account values indexed by an account's `slot`, the RMD options and the three
// life-expectancy tables.
struct AccountSlotArrays {
    static constexpr std::size_t kSize = 1938;

    std::array<float, kMaxAccounts> penaltyAge{};
    std::array<float, kMaxAccounts> penaltyRate{};
    std::array<float, kMaxAccounts> rateStatCount{};
    std::array<std::uint16_t, kMaxAccounts> inAssetAllocation{};
    std::array<std::uint16_t, kMaxAccounts> firstWithdrawalAge{};
    std::array<std::int16_t, kMaxAccounts> rmdTable{};
    std::int32_t lifeTable1StartAge = 0;
    std::array<std::uint8_t, 4> reserved904{};
    std::array<std::uint8_t, 4> reserved908{};
    float rmdPenaltyRate = 0.0f;
    std::int16_t rmdTargetAccountId = 0;
    std::array<std::uint8_t, 120> reserved918{};
    std::array<float, kMaxAccounts> randomStdDev{};
    std::array<std::uint16_t, kMaxAccounts> reserved1238{};
    std::array<float, kLifeTableLength> lifeTable1{};
    std::array<float, kLifeTableLength> lifeTable2{};
    std::array<float, kLifeTableLength> lifeTable3{};
    std::int32_t lifeTable2StartAge = 0;
    std::int32_t lifeTable3StartAge = 0;
    std::array<std::uint8_t, 32> reserved1706{};
    std::array<char, 32> lifeTable1Name{};
    std::array<char, 32> lifeTable2Name{};
    std::array<char, 32> lifeTable3Name{};
    std::array<std::uint8_t, 104> reserved1834{};

    template <class Io, class Self>
    static void visit(Io& io, Self& r) {
        io(r.penaltyAge);
        io(r.penaltyRate);
        io(r.rateStatCount);
        io(r.inAssetAllocation);
        io(r.firstWithdrawalAge);
        io(r.rmdTable);
        io(r.lifeTable1StartAge);
        io(r.reserved904);
        io(r.reserved908);
        io(r.rmdPenaltyRate);
        io(r.rmdTargetAccountId);
        io(r.reserved918);
        io(r.randomStdDev);
        io(r.reserved1238);
        io(r.lifeTable1);
        io(r.lifeTable2);
        io(r.lifeTable3);
        io(r.lifeTable2StartAge);
        io(r.lifeTable3StartAge);
        io(r.reserved1706);
        io(r.lifeTable1Name);
        io(r.lifeTable2Name);
        io(r.lifeTable3Name);
        io(r.reserved1834);
    }
};

} // namespace finplan
