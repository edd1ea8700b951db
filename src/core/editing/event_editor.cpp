#include "editing/event_editor.h"

namespace finplan {

EventEditor::EventEditor(Scenario& scenario, EditorKind kind, EditTarget target, const Clock& clock,
                         UserDialogs& dialogs)
    : m_kind(kind)
    , m_session(scenario)
    , m_clock(clock)
    , m_dialogs(dialogs)
    , m_index(target.index)
    , m_isNew(target.index == EditTarget::kNewEvent) {}

EventEditor::~EventEditor() = default;

const std::vector<PickerChoice>& EventEditor::choices(std::string_view key) const {
    static const std::vector<PickerChoice> kNone;
    const auto found = m_choices.find(key);
    return found == m_choices.end() ? kNone : found->second;
}

std::set<std::string> EventEditor::disabledFields(const FieldTexts&) const {
    return {};
}

CalcResult EventEditor::click(std::string_view, FieldTexts&) {
    return {};
}

CalcResult EventEditor::calculate(const FieldTexts& fields) {
    return submit(fields, false);
}

CalcResult EventEditor::ok(const FieldTexts& fields) {
    return submit(fields, true);
}

void EventEditor::cancel(const FieldTexts&) {
    m_session.rollBack();
}

FieldTexts EventEditor::accountRateTexts(int) const {
    return {};
}

CalcResult EventEditor::setAccountRate(int, const FieldTexts&) {
    return {};
}

CalcResult EventEditor::submit(const FieldTexts&, bool) {
    return {};
}

CalcResult calculateCardPayoffFields(const FieldTexts&) {
    return {};
}

std::set<std::string> cardCalculatorDisabledFields() {
    return {};
}

} // namespace finplan
