#include "model/sample_scenario.h"

#include "model/derived_totals.h"
#include "model/event_order.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace finplan {

namespace {

// Account ids of the sample; the table holds them in this order, slot = index = id.
enum SampleAccount : std::int16_t {
    Brokerage = 0,
    TraditionalIra = 1,
    Employer401k = 2,
    RothIra = 3,
    FamilyHome = 4,
    Car = 5,
    SampleAccountCount = 6,
};

enum SampleGroup : std::uint16_t {
    BondFunds = 0,
    StockFunds = 1,
    Property = 2,
};

constexpr float kRetirementAge = 62.0f;
constexpr float kPlanEndAge = 92.0f;
constexpr std::int16_t kRmdTableFlag = 10; // tens digit 1: life-expectancy table 1
constexpr int kRmdStartAge = 72;

// Uniform lifetime divisors for the ages 72 to 101.
constexpr std::array<float, kLifeTableLength> kUniformLifetime = {
    27.4f, 26.5f, 25.5f, 24.6f, 23.7f, 22.9f, 22.0f, 21.1f, 20.2f, 19.4f,
    18.5f, 17.7f, 16.8f, 16.0f, 15.2f, 14.4f, 13.7f, 12.9f, 12.2f, 11.5f,
    10.8f, 10.1f, 9.5f,  8.9f,  8.4f,  7.8f,  7.3f,  6.8f,  6.4f,  6.0f,
};

// The monthly rate of a yearly percentage as the debt editors compute it: the twelfth taken
// in extended precision, the result rounded to single precision.
float monthlyRate(float yearlyPercent) {
    return static_cast<float>(static_cast<long double>(yearlyPercent) * 0.01L * (1.0L / 12.0L));
}

// Monthly payment of an amortised debt, every step rounded to single precision so the cents
// match what the editors store.
float monthlyPayment(float principal, float yearlyPercent, int years) {
    const float r = monthlyRate(yearlyPercent);
    const float base = 1.0f + r;
    float power = base;
    for (int i = 1; i < years * 12; ++i) {
        power = power * base;
    }
    const float discount = 1.0f - 1.0f / power;
    return principal * r / discount;
}

// Months, years and total interest of paying a card balance down with a fixed payment while
// purchases are added; at most 100 years are counted.
struct CardPayoff {
    int months = 0;
    float interest = 0.0f;
};

CardPayoff cardPayoff(float balance, float yearlyPercent, float payment, float purchases) {
    CardPayoff result;
    while (result.months < 1200) {
        balance = balance + purchases;
        const float interest = static_cast<float>(
            static_cast<long double>(balance * yearlyPercent) * (1.0L / 365.0L) * 30.0L * 0.01L);
        result.interest = result.interest + interest;
        if (balance - payment <= payment) {
            balance = 0.0f;
        } else {
            balance = balance - (payment - interest);
        }
        ++result.months;
        if (balance <= 0.0f) {
            break;
        }
    }
    return result;
}

struct AccountSpec {
    std::string_view name;
    std::string_view accessOrder;
    AccountKind kind;
    float initialAmount;
    float rate;
    float randomMin;
    float randomMax;
    SampleGroup group;
    bool penaltyApplies;
    bool inRmdTable;
};

constexpr std::array<AccountSpec, SampleAccountCount> kAccounts = {{
    {"Brokerage Account", "1", AccountKind::InvestmentSavings, 85000.0f, 6.5f, -10.0f, 22.0f,
     StockFunds, false, false},
    {"Traditional IRA", "3", AccountKind::RetirementSavings, 210000.0f, 7.0f, -8.0f, 20.0f,
     StockFunds, true, true},
    {"Employer 401(k)", "2", AccountKind::RetirementSavings, 145000.0f, 7.5f, -8.0f, 20.0f,
     StockFunds, false, true},
    {"Roth IRA", "4", AccountKind::TaxFreeSavings, 40000.0f, 5.0f, 1.0f, 7.0f, BondFunds, false,
     false},
    // The equity already built up in the home; the refinanced mortgage below carries the rest.
    {"Family Home", " ", AccountKind::Equity, 120000.0f, 3.5f, -5.0f, 9.0f, Property, false, false},
    {"Car", " ", AccountKind::Asset, 12000.0f, -15.0f, -20.0f, -10.0f, Property, false, false},
}};

void addAccounts(Scenario& s) {
    for (std::size_t i = 0; i < kAccounts.size(); ++i) {
        const AccountSpec& spec = kAccounts[i];
        AccountRecord& account = s.accounts.accounts[i];
        setFieldText(account.name, spec.name);
        setFieldText(account.accessOrder, spec.accessOrder);
        account.initialAmount = spec.initialAmount;
        account.rate = spec.rate;
        account.kind = static_cast<std::uint16_t>(spec.kind);
        account.randomMinRate = spec.randomMin;
        account.randomMaxRate = spec.randomMax;
        account.accountId = static_cast<std::uint16_t>(i);
        account.group = spec.group;
        account.penaltyApplies = spec.penaltyApplies ? 1 : 0;
        account.slot = static_cast<std::uint16_t>(i);
        if (spec.penaltyApplies) {
            s.slots.penaltyAge[i] = 59.0f;
            s.slots.penaltyRate[i] = 10.0f;
        }
        if (spec.inRmdTable) {
            s.slots.rmdTable[i] = kRmdTableFlag;
        }
    }
    s.accounts.accountCount = SampleAccountCount;
    s.accounts.nextAccountId = SampleAccountCount;
}

void addGroups(Scenario& s) {
    struct GroupSpec {
        SampleGroup group;
        std::string_view name;
        float min;
        float max;
    };
    constexpr std::array<GroupSpec, 3> groups = {{
        {BondFunds, "Bond Funds", 1.0f, 7.0f},
        {StockFunds, "Stock Funds", -15.0f, 25.0f},
        {Property, "Property", -5.0f, 9.0f},
    }};
    for (const GroupSpec& g : groups) {
        setFieldText(s.groups.groupNames[g.group], g.name);
        s.groups.groupRandomMin[g.group] = g.min;
        s.groups.groupRandomMax[g.group] = g.max;
    }
}

void addLifeTables(Scenario& s) {
    s.slots.lifeTable1StartAge = kRmdStartAge;
    s.slots.lifeTable1 = kUniformLifetime;
    setFieldText(s.slots.lifeTable1Name, "IRS Uniform");
    // Tables 2 and 3 unused, left as a scenario made by hand leaves them.
    s.slots.lifeTable2StartAge = 70;
    s.slots.lifeTable3StartAge = 70;
    setFieldText(s.slots.lifeTable2Name, "IRA 2");
    setFieldText(s.slots.lifeTable3Name, "IRA 3");
    s.slots.rmdTargetAccountId = Brokerage;
    s.slots.rmdPenaltyRate = 50.0f;
    s.accounts.rmdDistribution = 1; // proportional to the balances
}

// Budget 1: living costs in retirement, items in the name order the budget dialog keeps.
void addRetirementBudget(Budget& budget) {
    struct ItemSpec {
        std::string_view name;
        float amount;
        bool monthly;
        bool inflation;
        float applyRate;
    };
    constexpr std::array<ItemSpec, 6> items = {{
        {"Gifts & Charity", 2500.0f, false, false, 0.0f},
        {"Groceries", 650.0f, true, true, 0.0f},
        {"Health Insurance", 850.0f, true, true, 2.0f},
        {"Home Upkeep", 400.0f, true, true, 0.0f},
        {"Travel", 6000.0f, false, true, 0.0f},
        {"Utilities", 320.0f, true, true, 0.0f},
    }};
    setFieldText(budget.name, "Retirement Living");
    budget.startAge = static_cast<std::int16_t>(kRetirementAge);
    budget.endAge = static_cast<std::int16_t>(kPlanEndAge);
    float total = 0.0f;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ItemSpec& item = items[i];
        const float yearly = item.monthly ? 12.0f * item.amount : item.amount;
        setFieldText(budget.itemName[i], item.name);
        budget.itemAmount[i] = item.amount;
        budget.itemMonthly[i] = item.monthly ? 1 : 0;
        budget.itemInflation[i] = item.inflation ? 1 : 0;
        budget.itemApplyRate[i] = item.applyRate;
        budget.itemYearly[i] = yearly;
        budget.itemYearlyCopy[i] = yearly;
        total = total + yearly;
    }
    budget.itemCount = static_cast<std::int16_t>(items.size());
    budget.yearlyTotal = total;
    budget.active = 1;
    budget.sourceAccountId = kNoAccount;
}

EventRecord newEvent(EventType type, std::string_view name, float startAge, float endAge) {
    EventRecord event = emptyEvent();
    event.type = static_cast<std::int16_t>(type);
    setFieldText(event.name, name);
    event.startAge = startAge;
    event.endAge = endAge;
    return event;
}

EventRecord salary() {
    EventRecord e = newEvent(EventType::Deposit, "Salary", 45.0f, kRetirementAge - 1.0f);
    e.amount = 95000.0f;
    e.adjustRate = 1.0f; // raises of 1 % above inflation
    e.inflationAdjust = 1;
    e.accountId = Brokerage;
    e.beforeTax() = 1;
    return e;
}

EventRecord retirementContributions() {
    EventRecord e =
        newEvent(EventType::Deposit, "401(k) contributions", 45.0f, kRetirementAge - 1.0f);
    e.amount = 19500.0f;
    e.inflationAdjust = 1;
    e.accountId = Employer401k;
    return e;
}

EventRecord rothFunding() {
    EventRecord e =
        newEvent(EventType::Transfer, "Fund the Roth IRA", 45.0f, kRetirementAge - 1.0f);
    e.amount = 6000.0f;
    e.inflationAdjust = 1;
    e.fromAccountId = Brokerage;
    e.accountId = RothIra;
    return e;
}

// What the household spends while working; the budget takes over at retirement.
EventRecord livingExpenses() {
    EventRecord e =
        newEvent(EventType::Withdrawal, "Living expenses", 45.0f, kRetirementAge - 1.0f);
    e.amount = 45000.0f;
    e.inflationAdjust = 1;
    e.accountId = kNoAccount;
    return e;
}

EventRecord rebalance() {
    EventRecord e =
        newEvent(EventType::Fundamentals, "Rebalance brokerage toward bonds", 55.0f, 55.0f);
    e.amount = 22.0f;     // tax rate
    e.downPayment = 3.0f; // inflation rate
    e.accountId = Brokerage;
    e.rate = 5.0f;
    return e;
}

EventRecord budgetWithdrawal(const Budget& budget) {
    EventRecord e =
        newEvent(EventType::Withdrawal, fieldText(budget.name), budget.startAge, budget.endAge);
    e.budgetFlag = 1;
    e.budgetNumber = 1;
    e.amount = budget.yearlyTotal;
    e.currentAmount = budget.yearlyTotal;
    e.accountId = kNoAccount;
    return e;
}

// The rest of the home loan, refinanced at the start so that it ends at retirement.
EventRecord homeMortgage() {
    EventRecord e =
        newEvent(EventType::Mortgage, "Home mortgage (refinanced)", 45.0f, kRetirementAge);
    e.amount = 210000.0f;
    e.downPayment = 0.0f;
    e.rate = 3.75f;
    e.years = 17;
    e.payment = monthlyPayment(e.amount - e.downPayment, e.rate, e.years);
    e.appreciationRate = 3.5f;
    e.sellingExpenses = 6.0f;
    e.propertyTax = 4800.0f;
    e.inflationAdjust = 1;
    e.payAccountId = kNoAccount;
    return e;
}

EventRecord carLoan(const AccountRecord& car) {
    EventRecord e = newEvent(EventType::Loan, "New car loan", 50.0f, 55.0f);
    e.amount = 32000.0f;
    e.downPayment = 6000.0f;
    e.rate = 5.9f;
    e.years = 5;
    e.payment = monthlyPayment(e.amount - e.downPayment, e.rate, e.years);
    e.accountId = Car;
    e.appreciationRate = car.rate;
    e.payAccountId = kNoAccount;
    return e;
}

EventRecord creditCard() {
    EventRecord e = newEvent(EventType::Loan, "Visa Card", 45.0f, 50.0f);
    e.inflationAdjust = kCreditCardMark;
    e.amount = 8500.0f;
    e.rate = 19.9f;
    e.payment = 450.0f;
    e.extraPurchases() = 100.0f;
    const CardPayoff payoff = cardPayoff(e.amount, e.rate, e.payment, e.extraPurchases());
    e.adjustRate = static_cast<float>(payoff.months);
    e.appreciationRate = static_cast<float>(payoff.months * (1.0L / 12.0L));
    e.downPayment = payoff.interest;
    e.accountId = Brokerage;
    e.years = kAccountChosenMarker;
    return e;
}

EventRecord rmdDistribution(const AccountSlotArrays& slots) {
    const std::string name = std::string(fieldText(slots.lifeTable1Name)) +
                             " -- RMD withdrawal option in effect using Table 1.";
    EventRecord e =
        newEvent(EventType::Rmd, name, static_cast<float>(slots.lifeTable1StartAge), 120.0f);
    e.fromAccountId = 1; // table number
    return e;
}

void addEvents(Scenario& s) {
    const std::array<EventRecord, 10> events = {
        salary(),         retirementContributions(),
        livingExpenses(), rothFunding(),
        rebalance(),      budgetWithdrawal(s.budgets[0]),
        homeMortgage(),   carLoan(s.accounts.accounts[Car]),
        creditCard(),     rmdDistribution(s.slots),
    };
    for (std::size_t i = 0; i < events.size(); ++i) {
        s.events[i] = events[i];
    }
    s.liveEventCount = static_cast<int>(events.size());
    s.header.eventCount = static_cast<std::int16_t>(events.size());
}

void setPreferences(Scenario& s) {
    s.prefs.windowX = 100;
    s.prefs.windowY = 100;
    s.prefs.windowWidth = 600;
    s.prefs.windowHeight = 500;
    // Reading a scenario switches banding on; storing it on keeps a re-saved file identical.
    s.prefs.screenBanding = 1;
    s.prefs.marginLeft = 1000;
    s.prefs.marginTop = 1000;
    s.prefs.marginRight = 500;
    s.prefs.marginBottom = 1000;
    s.prefs.printOption = 1;
    setFieldText(s.fonts[0].faceName, "Lucida");
}

} // namespace

Scenario makeSampleScenario() {
    Scenario s;
    resetScenario(s);

    s.header.startAge = 45.0f;
    s.header.endAge = kPlanEndAge;
    s.header.taxRate = 22.0f;
    s.header.inflationRate = 3.0f;
    s.header.birthMonth = 4;
    s.header.birthDay = 12;
    s.header.useBirthday = 0;

    addAccounts(s);
    addGroups(s);
    addLifeTables(s);
    addRetirementBudget(s.budgets[0]);
    addEvents(s);
    setPreferences(s);

    // Name first, then start age and type: both sorts are stable, so the table ends ordered by
    // start age, type and name, as the event list leaves it.
    sortEventsByName(s);
    sortEvents(s);
    deriveTotals(s);
    return s;
}

} // namespace finplan
