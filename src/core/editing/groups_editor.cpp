#include "editing/form_support.h"
#include "editing/name_text.h"
#include "editing/option_editor.h"
#include "model/text_field.h"

#include <array>

namespace finplan {

namespace {

constexpr std::size_t kGroupNameLength = 19;
// The scenario reader keeps only ranges inside these limits, so the dialog takes no others.
constexpr double kLowestRate = -50.0;
constexpr double kHighestRate = 100.0;

std::string rowKey(std::string_view base, int row) {
    return std::string(base) + "-" + std::to_string(row);
}

EditorForm makeGroupsForm() {
    EditorForm form{EditorKind::Groups, "groups", "Groups", {}};
    for (int row = 1; row <= kGroupCount; ++row) {
        form.fields.push_back({rowKey("group-name", row), FieldKind::Text,
                               "Group Name " + std::to_string(row),
                               static_cast<int>(kGroupNameLength)});
        form.fields.push_back(
            {rowKey("random-minimum-rate", row), FieldKind::Text, "Random Minimum Rate", 20});
        form.fields.push_back(
            {rowKey("random-maximum-rate", row), FieldKind::Text, "Random Maximum Rate", 20});
    }
    return form;
}

struct GroupRow {
    std::string name;
    float min = 0.0f;
    float max = 0.0f;
};

class GroupsEditor : public OptionEditor {
public:
    GroupsEditor(Scenario& scenario, UserDialogs& dialogs)
        : OptionEditor(scenario, dialogs) {
        const GroupTable& groups = scenario.groups;
        for (int row = 1; row <= kGroupCount; ++row) {
            const auto i = static_cast<std::size_t>(row - 1);
            const std::string_view name = fieldText(groups.groupNames[i]);
            if (name.empty()) {
                continue;
            }
            m_texts[rowKey("group-name", row)] = utf8FromLatin1(name);
            m_texts[rowKey("random-minimum-rate", row)] =
                shown("%-9.3f", static_cast<double>(groups.groupRandomMin[i]));
            m_texts[rowKey("random-maximum-rate", row)] =
                shown("%-9.3f", static_cast<double>(groups.groupRandomMax[i]));
        }
    }

    const EditorForm& form() const override {
        static const EditorForm form = makeGroupsForm();
        return form;
    }

protected:
    CalcResult submit(Scenario& scenario, const FieldTexts& fields) override {
        FieldReader in(fields, MessageIcon::Exclamation);
        std::array<GroupRow, kGroupCount> rows;
        // Every row is checked before any is stored.
        for (int row = 1; row <= kGroupCount; ++row) {
            GroupRow& group = rows[static_cast<std::size_t>(row - 1)];
            group.name = latin1Name(textOf(fields, rowKey("group-name", row)), kGroupNameLength);
            if (group.name.size() <= 1) {
                continue;
            }
            const std::string minKey = rowKey("random-minimum-rate", row);
            const std::string maxKey = rowKey("random-maximum-rate", row);
            const std::string_view rangeText = "The rate must be between -50.00% and 100.00%.";
            const auto min = in.real(minKey, kLowestRate, kHighestRate, "Rate Error", rangeText);
            const auto max =
                min ? in.real(maxKey, kLowestRate, kHighestRate, "Rate Error", rangeText)
                    : std::nullopt;
            if (!max) {
                return in.result();
            }
            if (*min > *max) {
                in.refuse(minKey, "Rate Error",
                          "The minimum rate must be less than the maximum rate.");
                return in.result();
            }
            group.min = *min;
            group.max = *max;
        }
        for (std::size_t i = 0; i < rows.size(); ++i) {
            setFieldText(scenario.groups.groupNames[i], rows[i].name);
            scenario.groups.groupRandomMin[i] = rows[i].min;
            scenario.groups.groupRandomMax[i] = rows[i].max;
        }
        return in.result();
    }
};

} // namespace

std::unique_ptr<OptionEditor> openGroupsEditor(Scenario& scenario, UserDialogs& dialogs) {
    return std::make_unique<GroupsEditor>(scenario, dialogs);
}

} // namespace finplan
