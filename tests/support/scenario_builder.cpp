#include "support/scenario_builder.h"

#include "model/account_lookup.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"

#include <algorithm>
#include <charconv>
#include <iomanip>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace finplan::test {

namespace {

// The key=value pairs of one line; each key is taken once, and keys left over are mistakes.
class Fields {
public:
    explicit Fields(std::string_view line)
        : m_line(line) {
        std::istringstream in(m_line);
        in >> m_word;
        std::string key;
        std::string value;
        while (std::getline(in >> std::ws, key, '=') && in >> std::quoted(value)) {
            m_values[key] = value;
        }
        if (!key.empty() && !m_values.contains(key)) {
            fail("expected key=value at \"" + key + "\"");
        }
    }

    const std::string& word() const { return m_word; }

    std::optional<std::string> text(const std::string& key) {
        const auto found = m_values.find(key);
        if (found == m_values.end()) {
            return std::nullopt;
        }
        std::string value = found->second;
        m_values.erase(found);
        return value;
    }
    std::string text(const std::string& key, std::string fallback) {
        return text(key).value_or(std::move(fallback));
    }
    float number(const std::string& key, float fallback) {
        const auto value = text(key);
        return value ? toNumber(*value) : fallback;
    }
    template <class Int>
    Int integer(const std::string& key, Int fallback) {
        return static_cast<Int>(number(key, static_cast<float>(fallback)));
    }

    float toNumber(const std::string& value) const {
        float result = 0.0f;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), result);
        if (error != std::errc{} || end != value.data() + value.size()) {
            fail("not a number: " + value);
        }
        return result;
    }

    // Throws when a key was not taken.
    void finish() const {
        if (!m_values.empty()) {
            fail("unknown key " + m_values.begin()->first);
        }
    }

    [[noreturn]] void fail(const std::string& problem) const {
        throw std::invalid_argument("scenario line \"" + m_line + "\": " + problem);
    }

private:
    std::string m_line;
    std::string m_word;
    std::map<std::string, std::string> m_values;
};

AccountKind accountKind(const Fields& f, const std::string& name) {
    static const std::map<std::string, AccountKind> kinds = {
        {"asset", AccountKind::Asset},
        {"equity", AccountKind::Equity},
        {"investment", AccountKind::InvestmentSavings},
        {"retirement", AccountKind::RetirementSavings},
        {"taxfree", AccountKind::TaxFreeSavings},
    };
    const auto found = kinds.find(name);
    if (found == kinds.end()) {
        f.fail("unknown account kind " + name);
    }
    return found->second;
}

int findAccount(const Scenario& s, std::string_view name) {
    for (int i = 0; i < s.accounts.usedCount(); ++i) {
        if (fieldText(s.accounts.accounts[static_cast<std::size_t>(i)].name) == name) {
            return i;
        }
    }
    return -1;
}

// The id an account reference stands for: a name of an account added before, or #id.
std::int16_t accountRef(const Scenario& s, Fields& f, const std::string& key,
                        std::int16_t fallback = kNoAccount) {
    const auto ref = f.text(key);
    if (!ref) {
        return fallback;
    }
    if (ref->starts_with("#")) {
        return static_cast<std::int16_t>(f.toNumber(ref->substr(1)));
    }
    const int index = findAccount(s, *ref);
    if (index < 0) {
        f.fail("no account named " + *ref);
    }
    return static_cast<std::int16_t>(
        s.accounts.accounts[static_cast<std::size_t>(index)].accountId);
}

void addHeader(Scenario& s, Fields& f) {
    ScenarioHeader& h = s.header;
    h.startAge = f.number("start", h.startAge);
    h.endAge = f.number("end", h.endAge);
    h.taxRate = f.number("tax", h.taxRate);
    h.inflationRate = f.number("inflation", h.inflationRate);
    h.defaultPenaltyAge = f.number("penalty-age", h.defaultPenaltyAge);
    h.defaultPenaltyRate = f.number("penalty-rate", h.defaultPenaltyRate);
    s.fileName = f.text("file", s.fileName);
}

void addBirthday(Scenario& s, Fields& f) {
    s.header.birthMonth = f.integer<std::int16_t>("month", 0);
    s.header.birthDay = f.integer<std::int16_t>("day", 0);
    s.header.useBirthday = f.integer<std::uint16_t>("use", 1);
}

void addGroup(Scenario& s, Fields& f) {
    const int index = f.integer("index", -1);
    if (index < 0 || index >= kGroupCount) {
        f.fail("group index must be 0 to 9");
    }
    const auto at = static_cast<std::size_t>(index);
    setFieldText(s.groups.groupNames[at], f.text("name", ""));
    s.groups.groupRandomMin[at] = f.number("min", 0.0f);
    s.groups.groupRandomMax[at] = f.number("max", 0.0f);
}

void addRandom(Scenario& s, Fields& f) {
    GroupTable& g = s.groups;
    g.randomDistribution = f.integer("distribution", g.randomDistribution);
    g.rangeSpreadFactor = f.integer("range-spread", g.rangeSpreadFactor);
    g.stdSpreadFactor = f.integer("std-spread", g.stdSpreadFactor);
}

void addAccount(Scenario& s, Fields& f) {
    AccountTable& table = s.accounts;
    if (table.accountCount < 0 || table.accountCount >= kMaxAccounts) {
        f.fail("the account table is full");
    }
    const int index = table.accountCount++;
    AccountRecord& a = table.accounts[static_cast<std::size_t>(index)];
    setFieldText(a.name, f.text("name", ""));
    setFieldText(a.accessOrder, f.text("order", " "));
    a.kind = static_cast<std::uint16_t>(accountKind(f, f.text("kind", "investment")));
    a.initialAmount = a.balance = f.number("amount", 0.0f);
    a.rate = a.currentRate = f.number("rate", 0.0f);
    a.group = f.integer<std::uint16_t>("group", 0);
    a.randomMinRate = f.number("min", 0.0f);
    a.randomMaxRate = f.number("max", 0.0f);
    a.accountId = f.integer<std::uint16_t>("id", static_cast<std::uint16_t>(table.nextAccountId));
    table.nextAccountId = std::max<std::int32_t>(table.nextAccountId, a.accountId + 1);
    a.slot = f.integer<std::uint16_t>("slot", static_cast<std::uint16_t>(index));
    if (a.slot >= kMaxAccounts) {
        return; // a damaged slot has no arrays to set
    }
    AccountSlotArrays& slots = s.slots;
    if (const auto age = f.text("penalty")) {
        a.penaltyApplies = 1;
        slots.penaltyAge[a.slot] = f.toNumber(*age);
    }
    slots.penaltyRate[a.slot] = f.number("penalty-rate", slots.penaltyRate[a.slot]);
    slots.rmdTable[a.slot] = static_cast<std::int16_t>(10 * f.integer("rmd", 0));
    slots.inAssetAllocation[a.slot] = f.integer<std::uint16_t>("allocation", 0);
}

EventRecord& newEvent(Scenario& s, Fields& f, EventType type) {
    if (s.liveEventCount < 0 || s.liveEventCount >= kMaxEvents) {
        f.fail("the event table is full");
    }
    EventRecord& e = s.events[static_cast<std::size_t>(s.liveEventCount++)];
    s.header.eventCount = static_cast<std::int16_t>(s.liveEventCount);
    e = emptyEvent();
    e.type = static_cast<std::int16_t>(type);
    setFieldText(e.name, f.text("name", ""));
    e.startAge = e.endAge = f.number("start", 0.0f);
    return e;
}

// An event key and the field it sets.
struct Key {
    const char* key;
    std::variant<float EventRecord::*, std::int16_t EventRecord::*, std::uint16_t EventRecord::*>
        field;
};
// An account key, the field its id goes to and the field of the account-chosen marker.
struct Ref {
    const char* key;
    std::int16_t EventRecord::*id;
    std::int16_t EventRecord::*marker = nullptr;
};
struct EventKind {
    const char* word;
    EventType type;
    std::vector<Key> keys;
    std::vector<Ref> refs;
};

// clang-format off
using E = EventRecord;
const std::vector<Key> kFlowKeys = {{"end", &E::endAge}, {"once", &E::oneTime},
    {"amount", &E::amount}, {"adjust", &E::adjustRate}, {"inflation", &E::inflationAdjust}};
const std::vector<Key> kDebtKeys = {{"payoff", &E::endAge}, {"down", &E::downPayment},
    {"rate", &E::rate}, {"years", &E::years}, {"payment", &E::payment}, {"sell", &E::adjustRate}};

std::vector<Key> joined(std::vector<Key> keys, const std::vector<Key>& more) {
    keys.insert(keys.end(), more.begin(), more.end());
    return keys;
}

const std::vector<EventKind>& eventKinds() {
    static const std::vector<EventKind> kinds = {
        {"rates", EventType::Fundamentals,
         {{"tax", &E::amount}, {"inflation", &E::downPayment}, {"rate", &E::rate}},
         {{"account", &E::accountId}}},
        {"deposit", EventType::Deposit, joined(kFlowKeys, {{"before-tax", &E::fromAccountId}}),
         {{"to", &E::accountId}}},
        {"withdrawal", EventType::Withdrawal, kFlowKeys, {{"from", &E::accountId, &E::years}}},
        {"transfer", EventType::Transfer, joined(kFlowKeys, {{"all", &E::allFunds}}),
         {{"from", &E::fromAccountId}, {"to", &E::accountId}}},
        {"loan", EventType::Loan,
         joined(kDebtKeys, {{"price", &E::amount}, {"appreciation", &E::appreciationRate}}),
         {{"to", &E::accountId}, {"pay-from", &E::payAccountId, &E::payFromAccountFlag}}},
        {"card", EventType::Loan,
         {{"payoff", &E::endAge}, {"balance", &E::amount}, {"rate", &E::rate},
          {"payment", &E::payment}, {"purchases", &E::propertyTax}, {"months", &E::adjustRate},
          {"pay-years", &E::appreciationRate}, {"interest", &E::downPayment}},
         {{"from", &E::accountId, &E::years}}},
        {"mortgage", EventType::Mortgage,
         joined(kDebtKeys, {{"amount", &E::amount}, {"appreciation", &E::appreciationRate},
                            {"selling", &E::sellingExpenses}, {"tax", &E::propertyTax},
                            {"tax-inflation", &E::inflationAdjust}, {"closing", &E::closingCosts},
                            {"keep-down", &E::accountId}, {"extra", &E::extraPrincipal},
                            {"extra-mode", &E::budgetFlag}}),
         {{"pay-from", &E::payAccountId, &E::payFromAccountFlag}}},
        {"old-budget", EventType::Budget,
         {{"end", &E::endAge}, {"amount", &E::amount}, {"number", &E::oneTime}}, {}},
    };
    return kinds;
}
// clang-format on

// The fields an editor fills without being asked, before the line's own keys.
void presetEvent(const Scenario& s, const std::string& word, EventRecord& e) {
    if (word == "rates") {
        e.amount = s.header.taxRate;
        e.downPayment = s.header.inflationRate;
    } else if (word == "card") {
        e.inflationAdjust = kCreditCardMark;
    } else if (word == "loan") {
        // The editor keeps the rate the bought-into account had at the time.
        const int index = findAccountIndex(s.accounts, e.accountId);
        e.appreciationRate =
            index < 0 ? 0.0f : s.accounts.accounts[static_cast<std::size_t>(index)].rate;
    }
}

bool addEvent(Scenario& s, Fields& f) {
    for (const EventKind& kind : eventKinds()) {
        if (f.word() != kind.word) {
            continue;
        }
        EventRecord& e = newEvent(s, f, kind.type);
        if (const auto age = f.text("age")) {
            e.startAge = e.endAge = f.toNumber(*age); // a rate change has one age
        }
        if (kind.type == EventType::Loan || kind.type == EventType::Mortgage) {
            e.payAccountId = kNoAccount;
        }
        for (const Ref& ref : kind.refs) {
            e.*ref.id = accountRef(s, f, ref.key);
            if (ref.marker != nullptr && e.*ref.id != kNoAccount) {
                e.*ref.marker = kAccountChosenMarker;
            }
        }
        presetEvent(s, kind.word, e);
        for (const Key& key : kind.keys) {
            std::visit(
                [&](auto member) {
                    using Value = std::remove_reference_t<decltype(e.*member)>;
                    e.*member =
                        static_cast<Value>(f.number(key.key, static_cast<float>(e.*member)));
                },
                key.field);
        }
        return true;
    }
    return false;
}

Budget& budgetOf(Scenario& s, Fields& f, int number) {
    if (number < 1 || number > kBudgetCount) {
        f.fail("budget number must be 1 to 5");
    }
    return s.budgets[static_cast<std::size_t>(number - 1)];
}

void addBudget(Scenario& s, Fields& f, int& lastBudget) {
    const int number = f.integer("number", 1);
    Budget& budget = budgetOf(s, f, number);
    if (const auto name = f.text("name")) {
        setFieldText(budget.name, *name);
    }
    budget.startAge = f.integer<std::int16_t>("start", 0);
    budget.endAge = f.integer<std::int16_t>("end", budget.startAge);
    budget.active = 1;
    EventRecord& e = newEvent(s, f, EventType::Withdrawal);
    e.accountId = accountRef(s, f, "from");
    e.fromAccountFlag() = e.accountId == kNoAccount ? 0 : kAccountChosenMarker;
    budget.sourceAccountId = e.accountId;
    e.budgetFlag = 1;
    e.budgetNumber = static_cast<std::int16_t>(number);
    e.startAge = budget.startAge;
    e.endAge = budget.endAge;
    setFieldText(e.name, fieldText(budget.name));
    e.amount = e.currentAmount = budget.yearlyTotal;
    lastBudget = number;
}

void addBudgetItem(Scenario& s, Fields& f, int lastBudget) {
    const int number = f.integer("budget", lastBudget);
    Budget& budget = budgetOf(s, f, number);
    if (budget.itemCount < 0 || budget.itemCount >= kBudgetItemCount) {
        f.fail("the budget is full");
    }
    const auto item = static_cast<std::size_t>(budget.itemCount++);
    setFieldText(budget.itemName[item], f.text("name", ""));
    budget.itemAmount[item] = f.number("amount", 0.0f);
    budget.itemMonthly[item] = f.integer<std::uint16_t>("monthly", 0);
    budget.itemApplyRate[item] = f.number("apply", 0.0f);
    budget.itemInflation[item] = f.integer<std::uint16_t>("inflation", 0);
    budget.itemTrack[item] = f.integer<std::uint16_t>("track", 0);
    const float yearly = budget.itemAmount[item] * (budget.itemMonthly[item] == 1 ? 12.0f : 1.0f);
    budget.itemYearly[item] = budget.itemYearlyCopy[item] = yearly;
    budget.yearlyTotal += yearly;
    for (int i = 0; i < s.liveEventCount; ++i) {
        EventRecord& e = s.events[static_cast<std::size_t>(i)];
        if (e.is(EventType::Withdrawal) && e.budgetFlag == 1 && e.budgetNumber == number) {
            e.amount = e.currentAmount = budget.yearlyTotal;
        }
    }
}

void addAllocation(Scenario& s, Fields& f) {
    EventRecord& e = newEvent(s, f, EventType::AssetAllocation);
    e.endAge = 120.0f;
    e.amount = f.number("minimum", 0.0f);
    if (fieldText(e.name).empty()) {
        setFieldText(e.name, "Asset allocation withdrawal option in effect.");
    }
    s.accounts.aaStartAge = e.startAge;
    s.accounts.aaMinimumWithdrawal = e.amount;
    s.accounts.assetAllocationMode = f.integer<std::int16_t>("mode", 1);
}

void addRmd(Scenario& s, Fields& f) {
    AccountSlotArrays& slots = s.slots;
    const int table = f.integer("table", 1);
    if (table < 1 || table > kLifeTableCount) {
        f.fail("rmd table must be 1 to 3");
    }
    const auto at = static_cast<std::size_t>(table - 1);
    const std::string name = f.text("name", "IRA " + std::to_string(table));
    const auto start = f.integer<std::int32_t>("start", 70);
    *std::array{&slots.lifeTable1StartAge, &slots.lifeTable2StartAge,
                &slots.lifeTable3StartAge}[at] = start;
    setFieldText(
        *std::array{&slots.lifeTable1Name, &slots.lifeTable2Name, &slots.lifeTable3Name}[at], name);
    auto& values = *std::array{&slots.lifeTable1, &slots.lifeTable2, &slots.lifeTable3}[at];
    std::istringstream divisors(f.text("divisors", ""));
    std::string divisor;
    for (std::size_t i = 0; i < values.size() && std::getline(divisors, divisor, ','); ++i) {
        values[i] = f.toNumber(divisor);
    }
    slots.rmdTargetAccountId = accountRef(s, f, "to", slots.rmdTargetAccountId);
    s.accounts.rmdDistribution = f.integer("distribution", s.accounts.rmdDistribution);
    slots.rmdPenaltyRate = f.number("penalty", slots.rmdPenaltyRate);
    EventRecord& e = newEvent(s, f, EventType::Rmd);
    e.startAge = static_cast<float>(start);
    e.endAge = 120.0f;
    e.fromAccountId = static_cast<std::int16_t>(table);
    setFieldText(e.name, name + " -- RMD withdrawal option in effect using Table " +
                             std::to_string(table) + ".");
}

} // namespace

ScenarioBuilder& ScenarioBuilder::add(std::string_view lines) {
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        addLine(lines.substr(0, end));
        lines = end == std::string_view::npos ? std::string_view{} : lines.substr(end + 1);
    }
    return *this;
}

void ScenarioBuilder::addLine(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') {
        return;
    }
    Fields f(line);
    using Adder = void (*)(Scenario&, Fields&);
    static const std::map<std::string, Adder> adders = {
        {"header", addHeader}, {"birthday", addBirthday}, {"group", addGroup},
        {"random", addRandom}, {"account", addAccount},   {"allocation", addAllocation},
        {"rmd", addRmd}};
    const std::string& word = f.word();
    if (const auto found = adders.find(word); found != adders.end()) {
        found->second(m_scenario, f);
    } else if (word == "budget") {
        addBudget(m_scenario, f, m_lastBudget);
    } else if (word == "item") {
        addBudgetItem(m_scenario, f, m_lastBudget);
    } else if (!addEvent(m_scenario, f)) {
        f.fail("unknown line word " + word);
    }
    f.finish();
}

AccountRecord& ScenarioBuilder::account(std::string_view name) {
    const int index = findAccount(m_scenario, name);
    if (index < 0) {
        throw std::invalid_argument("no account named " + std::string(name));
    }
    return m_scenario.accounts.accounts[static_cast<std::size_t>(index)];
}

Scenario makeScenario(std::string_view lines) {
    Scenario scenario;
    resetScenario(scenario);
    ScenarioBuilder(scenario).add(lines);
    return scenario;
}

} // namespace finplan::test
