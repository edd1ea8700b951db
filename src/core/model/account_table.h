#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace finplan {

inline constexpr int kMaxAccounts = 50;

enum class AccountKind : std::uint16_t {
    Asset = 0,
    Equity = 1,
    InvestmentSavings = 2,
    RetirementSavings = 3,
    TaxFreeSavings = 4,
};
inline constexpr int kAccountKindCount = 5;

// The kind's label as lists show it, padded to 18 characters; empty for a code out of range.
std::string_view accountKindLabel(int kind);

// One account. Values kept outside the record are reached through `slot`.
struct AccountRecord {
    static constexpr std::size_t kSize = 82;

    std::array<char, 30> name{};
    std::array<char, 4> accessOrder{};
    float balance = 0.0f;
    float currentRate = 0.0f;
    float initialAmount = 0.0f;
    float rate = 0.0f;
    std::uint16_t kind = 0;
    float randomMinRate = 0.0f;
    float randomMaxRate = 0.0f;
    std::uint16_t accountId = 0;
    std::uint16_t penaltyApplies = 0;
    float rateStatMin = 0.0f;
    float rateStatMax = 0.0f;
    float rateStatSum = 0.0f;
    std::array<std::uint8_t, 2> reserved76{};
    std::uint16_t group = 0;
    std::uint16_t slot = 0;

    bool isKind(AccountKind k) const { return kind == static_cast<std::uint16_t>(k); }
    // Investment, Retirement and Tax Free savings: the accounts money can be drawn from.
    bool isLiquid() const {
        return isKind(AccountKind::InvestmentSavings) || isKind(AccountKind::RetirementSavings) ||
               isKind(AccountKind::TaxFreeSavings);
    }

    template <class Io, class Self>
    static void visit(Io& io, Self& r) {
        io(r.name);
        io(r.accessOrder);
        io(r.balance);
        io(r.currentRate);
        io(r.initialAmount);
        io(r.rate);
        io(r.kind);
        io(r.randomMinRate);
        io(r.randomMaxRate);
        io(r.accountId);
        io(r.penaltyApplies);
        io(r.rateStatMin);
        io(r.rateStatMax);
        io(r.rateStatSum);
        io(r.reserved76);
        io(r.group);
        io(r.slot);
    }
};

// The account count, the 50 account records, the id counter and the allocation options.
struct AccountTable {
    static constexpr std::size_t kSize = 4124;

    std::int16_t accountCount = 0;
    std::array<AccountRecord, kMaxAccounts> accounts{};
    std::int32_t nextAccountId = 0;
    float aaMinimumWithdrawal = 0.0f;
    float aaStartAge = 0.0f;
    std::array<std::uint8_t, 4> reserved4114{};
    std::int16_t rmdDistribution = 0;
    std::array<std::uint8_t, 2> reserved4120{};
    std::int16_t assetAllocationMode = 0;

    // The count clamped to the table, for loops that must never leave it.
    int usedCount() const {
        return accountCount < 0 ? 0 : (accountCount > kMaxAccounts ? kMaxAccounts : accountCount);
    }

    template <class Io, class Self>
    static void visit(Io& io, Self& r) {
        io(r.accountCount);
        for (auto& account : r.accounts) {
            AccountRecord::visit(io, account);
        }
        io(r.nextAccountId);
        io(r.aaMinimumWithdrawal);
        io(r.aaStartAge);
        io(r.reserved4114);
        io(r.rmdDistribution);
        io(r.reserved4120);
        io(r.assetAllocationMode);
    }
};

} // namespace finplan
