#include "editing/budget_editor.h"

#include "editing/budget_files.h"
#include "editing/form_support.h"
#include "editing/name_text.h"
#include "model/file_io.h"
#include "model/safe_write.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"
#include "results/money_text.h"

#include <algorithm>
#include <cmath>

namespace finplan {

namespace {

constexpr std::size_t kBudgetNameLength = 28;
constexpr std::size_t kItemNameLength = 19;
constexpr std::size_t kAgeLength = 3;
constexpr std::size_t kPasteLimit = 64 * 1024;

FormField text(std::string key, std::string label, int length) {
    return {std::move(key), FieldKind::Text, std::move(label), length};
}

FormField box(std::string key, std::string label) {
    return {std::move(key), FieldKind::CheckBox, std::move(label), 0};
}

FormField button(std::string key, std::string label) {
    return {std::move(key), FieldKind::Button, std::move(label), 0};
}

std::string cut(std::string_view text, std::size_t length) {
    return std::string(text.substr(0, std::min(text.size(), length)));
}

// "This amount must be greater than -200.00 and less than 200.00.", as Account Information
// words its limits.
std::string rangeText(double limit) {
    std::string low = shown("%13.2f", -limit);
    std::string high = shown("%13.2f", limit);
    compactNumber(low);
    compactNumber(high);
    return "This amount must be greater than " + low + " and less than " + high + ".";
}

std::int16_t ageOf(std::string_view field) {
    const FieldTexts texts{{"age", cut(field, kAgeLength)}};
    const FieldReader in(texts, MessageIcon::Stop);
    return static_cast<std::int16_t>(uncheckedWhole(in, "age"));
}

void removeEvent(Scenario& scenario, int index) {
    const int count = scenario.usedEventCount();
    for (int i = index; i + 1 < count; ++i) {
        scenario.events[static_cast<std::size_t>(i)] =
            scenario.events[static_cast<std::size_t>(i + 1)];
    }
    scenario.liveEventCount = count - 1;
    clearEvent(scenario, count - 1);
}

} // namespace

const EditorForm& budgetForm() {
    static const EditorForm form{
        EditorKind::Budget,
        "budget",
        "Budget",
        {text("budget-name", "Budget Name", static_cast<int>(kBudgetNameLength)),
         text("start-age", "Start Age", static_cast<int>(kAgeLength)),
         text("end-age", "End Age", static_cast<int>(kAgeLength)),
         {"withdraw-from-account", FieldKind::AccountPickerWithNone, "Withdraw from account:", 0},
         box("activate-this-budget", "Activate this budget"),
         text("name", "Name", static_cast<int>(kItemNameLength)),
         text("amount", "Amount", 20),
         text("apply-rate", "Apply Rate", 20),
         box("monthly", "Monthly"),
         box("track", "Track"),
         box("apply-inflation-rate-to-withdrawal", "Apply inflation rate to withdrawal"),
         {"yearly-total", FieldKind::Output, "Yearly Total", 0},
         button("enter", "Enter"),
         button("clear", "Clear"),
         button("delete", "Delete"),
         button("copy-all", "Copy All"),
         button("paste-all", "Paste All"),
         button("clear-all", "Clear All"),
         button("print", "Print"),
         button("print-report", "Print Report")}};
    return form;
}

void nameUnnamedBudgets(Scenario& scenario) {
    for (int i = 0; i < kBudgetCount; ++i) {
        Budget& budget = scenario.budgets[static_cast<std::size_t>(i)];
        if (fieldText(budget.name).empty()) {
            setFieldText(budget.name, defaultBudgetName(i + 1));
        }
    }
}

std::vector<BudgetMenuItem> budgetMenuItems(const Scenario& scenario) {
    std::vector<BudgetMenuItem> items;
    for (int i = 0; i < kBudgetCount; ++i) {
        const Budget& budget = scenario.budgets[static_cast<std::size_t>(i)];
        const std::string_view name = fieldText(budget.name);
        items.push_back(
            {name.empty() ? defaultBudgetName(i + 1) : utf8FromLatin1(name), budget.active != 0});
    }
    return items;
}

std::vector<int> budgetEvents(const Scenario& scenario, int number) {
    std::vector<int> found;
    for (int i = 0; i < scenario.usedEventCount(); ++i) {
        const EventRecord& event = scenario.events[static_cast<std::size_t>(i)];
        if (event.is(EventType::Withdrawal) && event.budgetNumber == number) {
            found.push_back(i);
        }
    }
    return found;
}

BudgetEditor::BudgetEditor(Scenario& scenario, int index, std::filesystem::path workDir,
                           UserDialogs& dialogs)
    : m_session(scenario)
    , m_index(std::clamp(index, 0, kBudgetCount - 1))
    , m_workDir(std::move(workDir))
    , m_dialogs(dialogs) {
    Budget& budget = budgetRecord();
    sortBudgetItems(budget);
    fillBudgetTotals(budget);
    m_choices = accountChoices(scenario, true);
}

FieldTexts BudgetEditor::texts() const {
    const Budget& shownBudget = budget();
    return {
        {"budget-name", utf8FromLatin1(fieldText(shownBudget.name))},
        {"start-age", shownWhole("%3d", shownBudget.startAge)},
        {"end-age", shownWhole("%3d", shownBudget.endAge)},
        {"withdraw-from-account", pickerText(scenario(), shownBudget.sourceAccountId, true, true)},
        {"activate-this-budget", shownBudget.active != 0 ? "on" : ""},
        {"yearly-total", yearlyTotalText()}};
}

Budget& BudgetEditor::budgetRecord() {
    return m_session.scenario().budgets[static_cast<std::size_t>(m_index)];
}

const Budget& BudgetEditor::budget() const {
    return m_session.scenario().budgets[static_cast<std::size_t>(m_index)];
}

std::string BudgetEditor::yearlyTotalText() const {
    return shown("%-13.2f", static_cast<double>(budget().yearlyTotal));
}

FieldTexts BudgetEditor::itemTexts(int row) const {
    const BudgetItem item = budgetItem(budget(), row);
    const auto box = [](bool on) { return std::string(on ? "on" : ""); };
    return {{"name", utf8FromLatin1(item.name)},
            {"amount", shown("%-13.2f", static_cast<double>(item.amount))},
            {"monthly", box(item.monthly)},
            {"track", box(item.track)},
            {"apply-inflation-rate-to-withdrawal", box(item.inflation)},
            {"apply-rate", shown("%-6.2f", static_cast<double>(item.applyRate))}};
}

CalcResult BudgetEditor::enter(const FieldTexts& fields) {
    FieldReader in(fields, MessageIcon::Stop);
    if (closed()) {
        return in.result();
    }
    Budget& record = budgetRecord();
    if (budgetItemCount(record) >= kBudgetItemCount) {
        in.refuse("name", "Budget Warning",
                  "You have reached the maximum number of items for this budget");
        showRefusal(*in.refusal(), m_dialogs);
        return in.result();
    }
    BudgetItem item;
    item.name = latin1Name(textOf(fields, "name"), kItemNameLength);
    if (item.name.empty()) {
        return in.result();
    }
    const auto amount =
        in.real("amount", -kMaxAmount, kMaxAmount, "AMOUNT ERROR", rangeText(kMaxAmount));
    const auto rate = amount ? in.real("apply-rate", -200.0, 200.0, "RATE ERROR", rangeText(200.0))
                             : std::nullopt;
    if (!rate) {
        showRefusal(*in.refusal(), m_dialogs);
        return in.result();
    }
    item.amount = *amount;
    item.applyRate = *rate;
    item.monthly = in.checked("monthly");
    item.track = in.checked("track");
    item.inflation = in.checked("apply-inflation-rate-to-withdrawal");
    enterBudgetItem(record, item);
    m_session.scenario().modified = true;
    return in.result();
}

bool BudgetEditor::deleteItem(const FieldTexts& fields) {
    if (closed() ||
        !deleteBudgetItem(budgetRecord(), latin1Name(textOf(fields, "name"), kItemNameLength))) {
        return false;
    }
    m_session.scenario().modified = true;
    return true;
}

void BudgetEditor::clearAll() {
    if (!closed()) {
        clearBudgetItems(budgetRecord());
    }
}

bool BudgetEditor::writeFile(std::string_view name, const std::string& text,
                             std::string_view shownName) {
    const WriteResult written =
        writeFileReplacing(m_workDir / std::string(name), text, NewFileMode::OwnerOnly);
    if (!written) {
        m_dialogs.error("Cannot open the budget output file " + std::string(shownName) + ".",
                        "File Open Error");
        return false;
    }
    return true;
}

bool BudgetEditor::copyAll() {
    return writeFile(kBudgetCopyFile, budgetCopyText(budget()), kBudgetCopyFile);
}

bool BudgetEditor::pasteAll() {
    return pasteFrom(m_workDir / std::string(kBudgetCopyFile)) == PasteResult::Pasted;
}

BudgetEditor::PasteResult BudgetEditor::pasteFrom(const std::filesystem::path& file) {
    if (closed()) {
        return PasteResult::Invalid;
    }
    const auto bytes = readFileBytes(file, kPasteLimit);
    if (!bytes) {
        m_dialogs.error("Cannot open the budget input file budout.tmp file.", "File Open Error");
        return PasteResult::Unreadable;
    }
    const std::string text(bytes->begin(), bytes->end());
    const auto pasted = parseBudgetCopy(text, budget());
    if (!pasted) {
        m_dialogs.error("The budget input file budout.tmp doesn't seem to be a valid file.",
                        "Budget File Error");
        return PasteResult::Invalid;
    }
    budgetRecord() = *pasted;
    m_session.scenario().modified = true;
    return PasteResult::Pasted;
}

bool BudgetEditor::writeSheet() {
    return writeFile(kBudgetSheetFile, budgetSheetText(budget()), kBudgetSheetFile);
}

bool BudgetEditor::writeReportInput(const FieldTexts& fields) {
    Budget shownBudget = budget();
    setFieldText(shownBudget.name, latin1Name(textOf(fields, "budget-name"), kBudgetNameLength));
    shownBudget.startAge = ageOf(textOf(fields, "start-age"));
    shownBudget.endAge = ageOf(textOf(fields, "end-age"));
    // The report's file keeps the copy file's name in its message.
    return writeFile(kBudgetReportFile, budgetCopyText(shownBudget), kBudgetCopyFile);
}

CalcResult BudgetEditor::ok(const FieldTexts& fields) {
    FieldReader in(fields, MessageIcon::Stop);
    if (closed()) {
        return in.result();
    }
    Scenario& scenario = m_session.scenario();
    const PickedAccount picked = pickedAccount(scenario, textOf(fields, "withdraw-from-account"));
    if (picked.accountId && inAssetAllocation(scenario, *picked.accountId)) {
        refuseAssetAllocationAccount(in, "withdraw-from-account");
        showRefusal(*in.refusal(), m_dialogs);
        return in.result();
    }
    const bool active = in.checked("activate-this-budget");
    if (active && budgetEvents(scenario, m_index + 1).empty() &&
        scenario.usedEventCount() >= kMaxEvents) {
        in.refuse("activate-this-budget", "Event Warning", "Maximum number of events reached!",
                  MessageIcon::Exclamation);
        showRefusal(*in.refusal(), m_dialogs);
        return in.result();
    }
    Budget& record = budgetRecord();
    setFieldText(record.name, latin1Name(textOf(fields, "budget-name"), kBudgetNameLength));
    record.startAge = ageOf(textOf(fields, "start-age"));
    record.endAge = ageOf(textOf(fields, "end-age"));
    record.active = active ? 1 : 0;
    nameUnnamedBudgets(scenario);
    record.sourceAccountId = picked.accountId ? *picked.accountId : kNoAccount;
    fillBudgetTotals(record);
    storeEvent(record);
    m_session.commit("Budget");
    return in.result();
}

void BudgetEditor::storeEvent(Budget& record) {
    Scenario& scenario = m_session.scenario();
    std::vector<int> events = budgetEvents(scenario, m_index + 1);
    if (record.active == 0) {
        for (auto it = events.rbegin(); it != events.rend(); ++it) {
            removeEvent(scenario, *it);
        }
        return;
    }
    int target = 0;
    if (events.empty()) {
        target = scenario.usedEventCount();
        clearEvent(scenario, target);
        scenario.liveEventCount = target + 1;
    } else {
        // A damaged file may hold more than one: the last is kept, the others go.
        target = events.back();
        for (auto it = events.rbegin() + 1; it != events.rend(); ++it) {
            removeEvent(scenario, *it);
            --target;
        }
    }
    EventRecord& event = scenario.events[static_cast<std::size_t>(target)];
    event.type = static_cast<std::int16_t>(EventType::Withdrawal);
    event.budgetFlag = 1;
    event.budgetNumber = static_cast<std::int16_t>(m_index + 1);
    setFieldText(event.name, fieldText(record.name));
    event.startAge = record.startAge;
    event.endAge = record.endAge;
    event.amount = record.yearlyTotal;
    event.currentAmount = record.yearlyTotal;
    const bool hasAccount = record.sourceAccountId >= 0;
    event.accountId = static_cast<std::int16_t>(hasAccount ? record.sourceAccountId : kNoAccount);
    event.fromAccountFlag() = hasAccount ? kAccountChosenMarker : 0;
}

} // namespace finplan
