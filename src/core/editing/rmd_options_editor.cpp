#include "editing/form_support.h"
#include "editing/option_editor.h"
#include "model/account_lookup.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"
#include "results/text_format.h"

namespace finplan {

namespace {

constexpr std::string_view kProportional = "proportional-asset-allocation-withdrawal";
constexpr std::string_view kEqual = "equal-asset-allocation-withdrawal";
constexpr std::string_view kAccountOrder = "account-order-withdrawal";
constexpr std::string_view kPenalty = "penalty-rate";
constexpr std::string_view kTarget = "transfer-funds-to-this-account";
constexpr std::array<std::string_view, 3> kDistributions = {kProportional, kEqual, kAccountOrder};

struct TableView {
    std::int32_t startAge;
    std::string_view name;
};

TableView tableView(const AccountSlotArrays& slots, int table) {
    switch (table) {
    case 1:
        return {slots.lifeTable1StartAge, fieldText(slots.lifeTable1Name)};
    case 2:
        return {slots.lifeTable2StartAge, fieldText(slots.lifeTable2Name)};
    default:
        return {slots.lifeTable3StartAge, fieldText(slots.lifeTable3Name)};
    }
}

bool tableInUse(const Scenario& scenario, int table) {
    const AccountTable& accounts = scenario.accounts;
    for (int i = 0; i < accounts.usedCount(); ++i) {
        const std::uint16_t slot = accounts.accounts[static_cast<std::size_t>(i)].slot;
        if (slot < kMaxAccounts && scenario.slots.rmdTable[slot] / 10 == table) {
            return true;
        }
    }
    return false;
}

int rmdEventOf(const Scenario& scenario, int table) {
    for (int i = 0; i < scenario.usedEventCount(); ++i) {
        const EventRecord& event = scenario.events[static_cast<std::size_t>(i)];
        if (event.is(EventType::Rmd) && event.beforeTax() == table) {
            return i;
        }
    }
    return -1;
}

class RmdOptionsEditor : public OptionEditor {
public:
    RmdOptionsEditor(Scenario& scenario, UserDialogs& dialogs)
        : OptionEditor(scenario, dialogs) {
        const int distribution = scenario.accounts.rmdDistribution;
        const std::size_t chosen = distribution == 1 ? 0 : distribution == 2 ? 1 : 2;
        for (std::size_t i = 0; i < kDistributions.size(); ++i) {
            m_texts[std::string(kDistributions[i])] = i == chosen ? "on" : "";
        }
        const float penalty = scenario.slots.rmdPenaltyRate;
        m_texts[std::string(kPenalty)] =
            penalty != 0.0f ? shown("%-6.2f", static_cast<double>(penalty)) : "50.0";
        m_choices[std::string(kTarget)] = accountChoices(scenario, false);
        m_texts[std::string(kTarget)] =
            pickerText(scenario, scenario.slots.rmdTargetAccountId, true, false);
    }

    const EditorForm& form() const override {
        static const EditorForm form{
            EditorKind::Rmd,
            "mrw",
            "Required Minimum Distribution Options",
            {{std::string(kProportional), FieldKind::CheckBox,
              "Proportional asset allocation withdrawal", 0},
             {std::string(kEqual), FieldKind::CheckBox, "Equal asset allocation withdrawal", 0},
             {std::string(kAccountOrder), FieldKind::CheckBox, "Account order withdrawal", 0},
             {std::string(kPenalty), FieldKind::Text, "Penalty rate", 20},
             {std::string(kTarget), FieldKind::AccountPicker, "Transfer funds to this account:", 0},
             {"edit-table-1-life-expectancy-values", FieldKind::Button,
              "Edit Table 1 Life Expectancy Values", 0},
             {"edit-table-2-life-expectancy-values", FieldKind::Button,
              "Edit Table 2 Life Expectancy Values", 0},
             {"edit-table-3-life-expectancy-values", FieldKind::Button,
              "Edit Table 3 Life Expectancy Values", 0}}};
        return form;
    }

    // The three buttons are one group: choosing one clears the others.
    void click(std::string_view key, FieldTexts& fields) override {
        if (!isChecked(fields, key)) {
            return;
        }
        for (const std::string_view other : kDistributions) {
            if (other != key) {
                fields[std::string(other)] = "";
            }
        }
    }

protected:
    CalcResult submit(Scenario& scenario, const FieldTexts& fields) override {
        FieldReader in(fields, MessageIcon::Stop);
        const auto penalty = in.real(kPenalty, 0.0, 100.0, "RATE ERROR",
                                     "This rate must be greater than 0.00 and less than 100.00.");
        if (!penalty) {
            return in.result();
        }
        scenario.accounts.rmdDistribution = in.checked(kProportional) ? 1
                                            : in.checked(kEqual)      ? 2
                                                                      : 3;
        scenario.slots.rmdPenaltyRate = *penalty;
        // With no account chosen (none to choose) the stored one stays.
        if (const PickedAccount picked = pickedAccount(scenario, textOf(fields, kTarget));
            picked.accountId) {
            scenario.slots.rmdTargetAccountId = static_cast<std::int16_t>(*picked.accountId);
            const int index = findAccountIndex(scenario.accounts, *picked.accountId);
            const AccountRecord& account =
                scenario.accounts.accounts[static_cast<std::size_t>(index)];
            if (account.isKind(AccountKind::RetirementSavings) ||
                account.isKind(AccountKind::TaxFreeSavings)) {
                dialogs().error("You probably cannot transfer RMD funds to another Tax Free or "
                                "Retirement account.\nPlease check the RMD regulations.",
                                "Probable RMD Account Error");
            }
        }
        storeRmdEvents(scenario);
        return in.result();
    }
};

} // namespace

std::unique_ptr<OptionEditor> openRmdOptionsEditor(Scenario& scenario, UserDialogs& dialogs) {
    return std::make_unique<RmdOptionsEditor>(scenario, dialogs);
}

void storeRmdEvents(Scenario& scenario) {
    for (int table = 1; table <= kLifeTableCount; ++table) {
        if (!tableInUse(scenario, table)) {
            continue;
        }
        int index = rmdEventOf(scenario, table);
        if (index < 0) {
            if (scenario.usedEventCount() >= kMaxEvents) {
                continue;
            }
            index = scenario.usedEventCount();
            clearEvent(scenario, index);
            scenario.liveEventCount = index + 1;
        }
        const TableView view = tableView(scenario.slots, table);
        EventRecord& event = scenario.events[static_cast<std::size_t>(index)];
        event.type = static_cast<std::int16_t>(EventType::Rmd);
        event.beforeTax() = static_cast<std::int16_t>(table);
        event.startAge = static_cast<float>(view.startAge);
        event.endAge = 120.0f;
        setFieldText(event.name, formatText("%s -- RMD withdrawal option in effect using Table %d.",
                                            std::string(view.name).c_str(), table));
    }
}

} // namespace finplan
