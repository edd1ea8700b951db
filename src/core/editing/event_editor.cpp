#include "editing/event_editor.h"

#include "editing/event_table_edits.h"
#include "editing/form_context.h"
#include "editing/form_support.h"
#include "editing/name_text.h"
#include "model/account_lookup.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"
#include "results/money_text.h"

namespace finplan {

namespace {

using Loader = void (*)(FormContext&, FormLoad&);
using Submitter = CalcResult (*)(FormContext&, const FieldTexts&, SubmitStage);

struct FormSteps {
    Loader load = nullptr;
    Submitter submit = nullptr;
};

FormSteps stepsOf(EditorKind kind) {
    switch (kind) {
    case EditorKind::Withdrawal:
        return {loadWithdrawal, submitWithdrawal};
    case EditorKind::Deposit:
        return {loadDeposit, submitDeposit};
    case EditorKind::Transfer:
        return {loadTransfer, submitTransfer};
    case EditorKind::Fundamentals:
        return {loadFundamentals, submitFundamentals};
    case EditorKind::InitialValues:
        return {loadInitialValues, submitInitialValues};
    case EditorKind::Loan:
        return {loadLoan, submitLoan};
    case EditorKind::Mortgage:
        return {loadMortgage, submitMortgage};
    case EditorKind::CreditCard:
        return {loadCreditCard, submitCreditCard};
    case EditorKind::AccountRate:
    case EditorKind::AssetAllocation:
    case EditorKind::Rmd:
    case EditorKind::Budget:
    case EditorKind::Groups:
    case EditorKind::LifeTable:
    case EditorKind::Preferences:
    case EditorKind::ReportOptions:
    case EditorKind::PageSetup:
        break;
    }
    return {};
}

bool eventEditor(EditorKind kind) {
    return kind != EditorKind::InitialValues && kind != EditorKind::AccountRate &&
           stepsOf(kind).load != nullptr;
}

// Each text cut to the length its field takes, as the dialog's controls hold it.
FieldTexts cutToFields(const EditorForm& form, const FieldTexts& fields) {
    FieldTexts cut = fields;
    for (const FormField& field : form.fields) {
        if (field.kind != FieldKind::Text || field.maxLength <= 0) {
            continue;
        }
        const auto found = cut.find(field.key);
        if (found == cut.end() || found->second.size() <= std::size_t(field.maxLength)) {
            continue;
        }
        found->second.resize(static_cast<std::size_t>(field.maxLength));
    }
    return cut;
}

std::string commitLabel(const EditorForm& form, bool isNew, bool copy) {
    if (form.kind == EditorKind::InitialValues) {
        return form.title;
    }
    return (copy ? "Copy " : isNew ? "Add " : "Edit ") + form.title;
}

const AccountRecord* accountById(const Scenario& scenario, int accountId) {
    const int index = findAccountIndex(scenario.accounts, accountId);
    return index < 0 ? nullptr : &scenario.accounts.accounts[static_cast<std::size_t>(index)];
}

} // namespace

EventEditor::EventEditor(Scenario& scenario, EditorKind kind, EditTarget target, const Clock& clock,
                         UserDialogs& dialogs)
    : m_kind(kind)
    , m_session(scenario)
    , m_clock(clock)
    , m_dialogs(dialogs) {
    if (!eventEditor(kind)) {
        m_index = -1;
    } else if (target.index == EditTarget::kNewEvent || target.index < 0 ||
               target.index >= scenario.usedEventCount()) {
        // A new event is the record past the events, always starting cleared.
        m_isNew = true;
        m_index = scenario.usedEventCount();
        clearEvent(scenario, m_index);
    } else {
        m_index = target.index;
        m_copy = target.copyFirst && copyEventPastLast(scenario, target.index);
    }
    if (const Loader load = stepsOf(kind).load; load != nullptr) {
        FormContext context{scenario, m_index, m_isNew, m_clock, m_state};
        FormLoad loaded;
        load(context, loaded);
        m_texts = std::move(loaded.texts);
        m_choices = std::move(loaded.choices);
    }
}

EventEditor::~EventEditor() = default;

const std::vector<PickerChoice>& EventEditor::choices(std::string_view key) const {
    static const std::vector<PickerChoice> kNone;
    const auto found = m_choices.find(key);
    return found == m_choices.end() ? kNone : found->second;
}

std::set<std::string> EventEditor::disabledFields(const FieldTexts& fields) const {
    switch (m_kind) {
    case EditorKind::Withdrawal:
        if (m_index >= 0 && scenario().events[static_cast<std::size_t>(m_index)].budgetFlag == 1) {
            return {"description", "amount",   "start-age",      "end-age",
                    "apply-rate",  "one-time", "apply-inflation"};
        }
        break;
    case EditorKind::Transfer:
        if (isChecked(fields, "transfer-all-funds")) {
            return {"amount", "apply-rate", "end-age", "one-time", "apply-inflation"};
        }
        break;
    case EditorKind::Mortgage:
        // The analyses work on a mortgage the scenario already holds.
        if (m_isNew) {
            return {"refinance", "accelerated"};
        }
        break;
    default:
        break;
    }
    return {};
}

CalcResult EventEditor::click(std::string_view key, FieldTexts& fields) {
    if (closed()) {
        return {};
    }
    if (m_kind == EditorKind::InitialValues && key == "use-birthday") {
        FormContext context{m_session.scenario(), m_index, m_isNew, m_clock, m_state};
        CalcResult result = toggleUseBirthday(context, fields);
        if (result.refusal) {
            showRefusal(*result.refusal, m_dialogs);
        }
        return result;
    }
    if (m_kind == EditorKind::Mortgage && isChecked(fields, key)) {
        // The two accelerated-payment boxes exclude each other.
        if (key == "accelerate-from-mortgage-start") {
            fields["accelerate-from-initial-start"] = "";
        } else if (key == "accelerate-from-initial-start") {
            fields["accelerate-from-mortgage-start"] = "";
        }
    }
    return {};
}

CalcResult EventEditor::calculate(const FieldTexts& fields) {
    return submit(fields, false);
}

CalcResult EventEditor::ok(const FieldTexts& fields) {
    return submit(fields, true);
}

void EventEditor::cancel(const FieldTexts& fields) {
    if (closed()) {
        return;
    }
    if (m_kind == EditorKind::Withdrawal) {
        const PickedAccount picked =
            pickedAccount(scenario(), textOf(fields, "withdrawal-account"));
        if (picked.accountId && inAssetAllocation(scenario(), *picked.accountId)) {
            m_dialogs.error("You cannot select an account that is part of an Asset Allocation!",
                            "Account Warning");
        }
    }
    m_session.rollBack();
}

FieldTexts EventEditor::accountRateTexts(int accountId) const {
    const AccountRecord* account = accountById(scenario(), accountId);
    if (account == nullptr) {
        return {};
    }
    const auto typed = m_state.accountRates.find(accountId);
    const float rate = typed != m_state.accountRates.end() ? typed->second : account->currentRate;
    return {{"account-name", utf8FromLatin1(fieldText(account->name))},
            {"current-rate", shown("%-8.3f", static_cast<double>(rate))}};
}

CalcResult EventEditor::setAccountRate(int accountId, const FieldTexts& fields) {
    const FieldTexts cut = cutToFields(editorForm(EditorKind::AccountRate), fields);
    FieldReader in(cut, MessageIcon::Stop);
    if (closed() || accountById(scenario(), accountId) == nullptr) {
        return in.result();
    }
    std::string low = shown("%13.2f", -200.0);
    std::string high = shown("%13.2f", 200.0);
    compactNumber(low);
    compactNumber(high);
    const auto rate =
        in.real("current-rate", -200.0, 200.0, "RATE ERROR",
                "This amount must be greater than " + low + " and less than " + high + ".");
    if (!rate) {
        showRefusal(*in.refusal(), m_dialogs);
        return in.result();
    }
    m_state.accountRates[accountId] = *rate;
    return in.result();
}

CalcResult EventEditor::submit(const FieldTexts& typed, bool store) {
    const Submitter step = stepsOf(m_kind).submit;
    if (closed() || step == nullptr) {
        return {};
    }
    Scenario& scenario = m_session.scenario();
    if (store && m_isNew && scenario.usedEventCount() >= kMaxEvents) {
        const Refusal full{
            "Event Warning", "Maximum number of events reached!", {}, MessageIcon::Exclamation};
        showRefusal(full, m_dialogs);
        return {{}, full, {}};
    }
    const FieldTexts fields = cutToFields(form(), typed);
    FormContext context{scenario, m_index, m_isNew, m_clock, m_state};
    CalcResult result = step(context, fields, store ? SubmitStage::Store : SubmitStage::Calculate);
    if (result.refusal) {
        showRefusal(*result.refusal, m_dialogs);
        return result;
    }
    if (store) {
        if (m_isNew) {
            scenario.liveEventCount = m_index + 1;
        }
        if (m_index >= 0) {
            m_stored = scenario.events[static_cast<std::size_t>(m_index)];
        }
        m_session.commit(commitLabel(form(), m_isNew, m_copy));
    }
    return result;
}

} // namespace finplan
