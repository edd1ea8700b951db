#include "editing/account_editor.h"

#include "editing/account_ids.h"
#include "editing/form_support.h"
#include "editing/name_text.h"
#include "model/slot_repair.h"
#include "model/text_field.h"
#include "results/money_text.h"

#include <algorithm>
#include <cmath>

namespace finplan {

namespace {

constexpr std::size_t kNameLength = 29;
constexpr std::size_t kOrderLength = 3;
const char* const kRateFormat = "%-8.3f";

bool hasPenaltyChoice(int kind) {
    return kind == static_cast<int>(AccountKind::RetirementSavings) ||
           kind == static_cast<int>(AccountKind::TaxFreeSavings);
}

// "This amount must be greater than -200.00 and less than 200.00." and its twins.
std::string rangeMessage(double low, double high) {
    std::string lowText = shown("%13.2f", low);
    std::string highText = shown("%13.2f", high);
    compactNumber(lowText);
    compactNumber(highText);
    return "This amount must be greater than " + lowText + " and less than " + highText + ".";
}

int kindOf(const FieldTexts& fields) {
    const std::string_view text = textOf(fields, "select-account-type");
    if (text.size() == 1 && text[0] >= '0' && text[0] < '0' + kAccountKindCount) {
        return text[0] - '0';
    }
    return -1;
}

} // namespace

const std::vector<FormField>& accountFormFields() {
    return accountEditorForm().fields;
}

const EditorForm& accountEditorForm() {
    static const EditorForm kForm = {
        EditorKind::Withdrawal,
        "accountinfo",
        std::string(kAccountDialogTitle),
        {
            {"account-name", FieldKind::Text, "Account Name", static_cast<int>(kNameLength)},
            {"initial-amount", FieldKind::Text, "Initial Amount", 20},
            {"effective-yearly-rate", FieldKind::Text, "Effective Yearly Rate", 20},
            {"calculate-effective-yearly-rate", FieldKind::Button,
             "Calculate Effective Yearly Rate", 0},
            {"random-minimum-rate", FieldKind::Text, "Random Minimum Rate", 20},
            {"random-maximum-rate", FieldKind::Text, "Random Maximum Rate", 20},
            {"access-order", FieldKind::Text, "Access Order", static_cast<int>(kOrderLength)},
            {"select-account-type", FieldKind::AccountPicker, "Select Account Type", 0},
            {"assign-group-to-account", FieldKind::AccountPicker, "Assign Group to Account", 0},
            {"early-withdrawals-subject-to-penalty", FieldKind::CheckBox,
             "Early withdrawals subject to penalty", 0},
            {"penalty-age", FieldKind::Text, "Penalty Age", 20},
            {"penalty-rate", FieldKind::Text, "Penalty Rate", 20},
        }};
    return kForm;
}

std::vector<PickerChoice> AccountEditor::choices(std::string_view key) const {
    std::vector<PickerChoice> result;
    if (key == "select-account-type") {
        for (int kind = 0; kind < kAccountKindCount; ++kind) {
            std::string label(accountKindLabel(kind));
            label.erase(label.find_last_not_of(' ') + 1);
            result.push_back({label, kind});
        }
    } else if (key == "assign-group-to-account") {
        for (const GroupChoice& group : m_groups) {
            result.push_back({group.name, group.group});
        }
    }
    return result;
}

AccountEditor::AccountEditor(Scenario& scenario, AccountEditMode mode, int index,
                             UserDialogs& dialogs)
    : m_session(scenario)
    , m_mode(mode)
    , m_dialogs(dialogs) {
    const AccountTable& table = scenario.accounts;
    if (mode == AccountEditMode::Existing) {
        m_index = (index >= 0 && index < table.usedCount()) ? index : -1;
    } else {
        m_index = (table.accountCount >= 0 && table.accountCount < kMaxAccounts)
                      ? table.accountCount
                      : -1;
    }
    if (m_index < 0) {
        m_session.rollBack();
        return;
    }
    load();
}

void AccountEditor::load() {
    Scenario& scenario = m_session.scenario();
    const GroupTable& groupTable = scenario.groups;
    for (int g = 0; g < kGroupCount; ++g) {
        const std::string_view name = fieldText(groupTable.groupNames[static_cast<std::size_t>(g)]);
        if (name.size() > 1) {
            m_groups.push_back({utf8FromLatin1(name), g});
        }
    }
    // Byte-wise on the stored names, as the list sorts them.
    std::stable_sort(m_groups.begin(), m_groups.end(), [&](const auto& a, const auto& b) {
        return fieldText(groupTable.groupNames[static_cast<std::size_t>(a.group)]) <
               fieldText(groupTable.groupNames[static_cast<std::size_t>(b.group)]);
    });

    AccountRecord& account = scenario.accounts.accounts[static_cast<std::size_t>(m_index)];
    if (m_mode == AccountEditMode::New) {
        // A new account starts cleared; only its slot stays, the key to its slot values.
        AccountRecord cleared;
        cleared.slot = account.slot;
        account = cleared;
    }
    const AccountSlotArrays& slots = scenario.slots;
    const float penaltyAge = account.slot < kMaxAccounts ? slots.penaltyAge[account.slot] : 0.0f;
    const float penaltyRate = account.slot < kMaxAccounts ? slots.penaltyRate[account.slot] : 0.0f;
    FieldTexts& t = m_texts;
    t["penalty-age"] = shown("%-6.2f", static_cast<double>(penaltyAge));
    t["penalty-rate"] = shown(kRateFormat, static_cast<double>(penaltyRate));
    if (m_mode == AccountEditMode::New) {
        t["select-account-type"] = "0";
        return;
    }
    t["account-name"] = utf8FromLatin1(fieldText(account.name));
    t["initial-amount"] = shown("%-13.2f", static_cast<double>(account.initialAmount));
    t["effective-yearly-rate"] = shown(kRateFormat, static_cast<double>(account.rate));
    t["random-minimum-rate"] = shown(kRateFormat, static_cast<double>(account.randomMinRate));
    t["random-maximum-rate"] = shown(kRateFormat, static_cast<double>(account.randomMaxRate));
    t["access-order"] = utf8FromLatin1(fieldText(account.accessOrder));
    if (account.kind < kAccountKindCount) {
        t["select-account-type"] = std::to_string(account.kind);
    }
    if (std::any_of(m_groups.begin(), m_groups.end(),
                    [&](const GroupChoice& g) { return g.group == account.group; })) {
        t["assign-group-to-account"] = std::to_string(account.group);
    }
    if (hasPenaltyChoice(account.kind) && account.penaltyApplies != 0) {
        t["early-withdrawals-subject-to-penalty"] = "on";
    }
}

std::set<std::string> AccountEditor::disabledFields(const FieldTexts& fields) const {
    if (!hasPenaltyChoice(kindOf(fields))) {
        return {"early-withdrawals-subject-to-penalty", "penalty-age", "penalty-rate"};
    }
    if (!isChecked(fields, "early-withdrawals-subject-to-penalty")) {
        return {"penalty-age", "penalty-rate"};
    }
    return {};
}

CalcResult AccountEditor::ok(const FieldTexts& fields) {
    if (closed()) {
        return {};
    }
    // Checks store as they go, so a refused OK puts back what the earlier ones stored.
    const Scenario before = m_session.scenario();
    CalcResult result = submit(fields);
    if (!result.accepted()) {
        m_session.scenario() = before;
        showRefusal(*result.refusal, m_dialogs);
        return result;
    }
    m_session.commit(m_mode == AccountEditMode::Existing ? "Edit Account" : "Add Account");
    return result;
}

CalcResult AccountEditor::submit(const FieldTexts& fields) {
    Scenario& scenario = m_session.scenario();
    AccountTable& table = scenario.accounts;
    repairSlots(table);
    AccountRecord& account = table.accounts[static_cast<std::size_t>(m_index)];
    FieldReader in(fields, MessageIcon::Stop);
    setFieldText(account.name, latin1Name(textOf(fields, "account-name"), kNameLength));
    const std::string amountText = rangeMessage(-kMaxAmount, kMaxAmount);
    const auto amount =
        in.real("initial-amount", -kMaxAmount, kMaxAmount, "AMOUNT ERROR", amountText);
    if (!amount) {
        return in.result();
    }
    account.initialAmount = *amount;
    account.balance = *amount;
    const std::string rateText = rangeMessage(-200.0, 200.0);
    const auto rate = in.real("effective-yearly-rate", -200.0, 200.0, "RATE ERROR", rateText);
    if (!rate) {
        return in.result();
    }
    account.rate = *rate;
    account.currentRate = *rate;
    const auto low = in.real("random-minimum-rate", -200.0, 200.0, "RATE ERROR", rateText);
    if (!low) {
        return in.result();
    }
    account.randomMinRate = *low;
    const auto high = in.real("random-maximum-rate", -200.0, 200.0, "RATE ERROR", rateText);
    if (!high) {
        return in.result();
    }
    account.randomMaxRate = *high;
    setFieldText(account.accessOrder, latin1Name(textOf(fields, "access-order"), kOrderLength));
    AccountSlotArrays& slots = scenario.slots;
    const auto penaltyRate = in.real("penalty-rate", -200.0, 200.0, "RATE ERROR", rateText);
    if (!penaltyRate) {
        return in.result();
    }
    slots.penaltyRate[account.slot] = *penaltyRate;
    const auto penaltyAge =
        in.real("penalty-age", 0.0, 120.0, "PENALTY AGE ERROR", rangeMessage(0.0, 120.0));
    if (!penaltyAge) {
        return in.result();
    }
    slots.penaltyAge[account.slot] = std::trunc(*penaltyAge);

    if (const int kind = kindOf(fields); kind >= 0) {
        account.kind = static_cast<std::uint16_t>(kind);
    }
    account.penaltyApplies = (hasPenaltyChoice(account.kind) &&
                              isChecked(fields, "early-withdrawals-subject-to-penalty"))
                                 ? 1
                                 : 0;
    const std::string_view groupText = textOf(fields, "assign-group-to-account");
    for (const GroupChoice& choice : m_groups) {
        if (groupText == std::to_string(choice.group)) {
            account.group = static_cast<std::uint16_t>(choice.group);
        }
    }
    if (m_mode != AccountEditMode::Existing) {
        account.accountId = static_cast<std::uint16_t>(takeNewAccountId(table));
        table.accountCount = static_cast<std::int16_t>(m_index + 1);
    }
    m_accountId = account.accountId;
    slots.inAssetAllocation[account.slot] = 0;
    return in.result();
}

} // namespace finplan
