#include "editing/option_editor.h"

namespace finplan {

const std::vector<PickerChoice>& OptionEditor::choices(std::string_view key) const {
    static const std::vector<PickerChoice> kNone;
    const auto found = m_choices.find(key);
    return found == m_choices.end() ? kNone : found->second;
}

CalcResult OptionEditor::ok(const FieldTexts& typed) {
    if (closed()) {
        return {};
    }
    FieldTexts fields = typed;
    for (const FormField& field : form().fields) {
        const auto found = fields.find(field.key);
        if (field.kind == FieldKind::Text && field.maxLength > 0 && found != fields.end() &&
            found->second.size() > static_cast<std::size_t>(field.maxLength)) {
            found->second.resize(static_cast<std::size_t>(field.maxLength));
        }
    }
    CalcResult result = submit(m_session.scenario(), fields);
    if (result.refusal) {
        showRefusal(*result.refusal, m_dialogs);
        return result;
    }
    m_session.commit(form().title);
    return result;
}

} // namespace finplan
