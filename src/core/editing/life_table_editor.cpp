#include "editing/form_support.h"
#include "editing/name_text.h"
#include "editing/number_text.h"
#include "editing/option_editor.h"
#include "model/text_field.h"
#include "results/money_text.h"
#include "results/text_format.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace finplan {

namespace {

constexpr std::size_t kDescriptionLength = 29;
constexpr std::string_view kTitle = "Probable RMD Value Error";
// The values a value field shows when the table holds 0 there.
constexpr std::array<float, kLifeTableLength> kInitialValues = {
    27.4f, 26.5f, 25.6f, 24.7f, 23.8f, 22.9f, 22.0f, 21.2f, 20.3f, 19.5f,
    18.7f, 17.9f, 17.1f, 16.3f, 15.5f, 14.8f, 14.1f, 13.4f, 12.7f, 12.0f,
    11.4f, 10.8f, 10.2f, 9.6f,  9.1f,  8.6f,  8.1f,  7.6f,  7.1f,  6.7f};

std::string valueKey(int row) {
    return "value-" + std::to_string(row);
}

std::string compacted(const char* format, double value) {
    std::string text = formatText(format, value);
    compactNumber(text);
    return text;
}

std::string ageLabel(int age) {
    return formatText(age < 10 ? "%1d" : age > 99 ? "%3d" : "%2d", age);
}

struct TableRef {
    std::int32_t& startAge;
    std::array<float, kLifeTableLength>& values;
    std::array<char, 32>& name;
};

TableRef tableRef(AccountSlotArrays& slots, int table) {
    switch (table) {
    case 1:
        return {slots.lifeTable1StartAge, slots.lifeTable1, slots.lifeTable1Name};
    case 2:
        return {slots.lifeTable2StartAge, slots.lifeTable2, slots.lifeTable2Name};
    default:
        return {slots.lifeTable3StartAge, slots.lifeTable3, slots.lifeTable3Name};
    }
}

EditorForm makeForm(int startAge) {
    EditorForm form{
        EditorKind::LifeTable,
        "mrdtable",
        "Life Expectancy Values From IRS Tables",
        {{"table-number", FieldKind::StaticText, "", 0},
         {"description", FieldKind::Text, "Description", static_cast<int>(kDescriptionLength)},
         {"withdrawal-start-age", FieldKind::Text, "Withdrawal Start Age", 20}}};
    for (int row = 1; row <= kLifeTableLength; ++row) {
        form.fields.push_back({valueKey(row), FieldKind::Text, ageLabel(startAge + row - 1), 20});
    }
    return form;
}

class LifeTableEditor : public OptionEditor {
public:
    LifeTableEditor(Scenario& scenario, int table, UserDialogs& dialogs)
        : OptionEditor(scenario, dialogs)
        , m_table(table) {
        const TableRef ref = tableRef(scenario.slots, table);
        m_form = makeForm(ref.startAge);
        const std::string_view name = fieldText(ref.name);
        m_texts["table-number"] = formatText("Table %2d", table);
        m_texts["description"] = name.empty() ? std::string("IRA") : utf8FromLatin1(name);
        m_texts["withdrawal-start-age"] = shownWhole("%-3d", ref.startAge);
        for (int row = 1; row <= kLifeTableLength; ++row) {
            const float value = ref.values[static_cast<std::size_t>(row - 1)];
            m_texts[valueKey(row)] = shown(
                "%-4.1f",
                static_cast<double>(
                    value != 0.0f ? value : kInitialValues[static_cast<std::size_t>(row - 1)]));
        }
    }

    const EditorForm& form() const override { return m_form; }
    bool zeroProblem() const { return m_zeroProblem; }

protected:
    CalcResult submit(Scenario& scenario, const FieldTexts& fields) override {
        FieldReader in(fields, MessageIcon::Stop);
        const auto startAge = in.whole("withdrawal-start-age", 1.0, 120.0, "AGE ERROR",
                                       "This rate must be greater than " + compacted("%9.3f", 1.0) +
                                           " and less than " + compacted("%9.3f", 120.0) + ".");
        if (!startAge) {
            return in.result();
        }
        std::array<float, kLifeTableLength> values{};
        for (int row = 1; row <= kLifeTableLength; ++row) {
            const std::string key = valueKey(row);
            const std::string_view text = textOf(fields, key);
            const auto number = parseNumberText(text);
            const bool blank = text.find_first_not_of(' ') == std::string_view::npos;
            // A value that is no number (or none a float holds) would divide the RMD by
            // nothing; it is refused, not read as 0.
            if ((!number && !blank) || (number && !std::isfinite(static_cast<float>(*number)))) {
                in.refuse(key, std::string(kTitle),
                          "The value " + std::string(text) + " for age " +
                              formatText("%2d", *startAge + row - 1) +
                              " seems out of range. Please check your Life Expectancy Tables.");
                return in.result();
            }
            values[static_cast<std::size_t>(row - 1)] = static_cast<float>(number.value_or(0.0));
        }
        TableRef ref = tableRef(scenario.slots, m_table);
        setFieldText(ref.name, latin1Name(textOf(fields, "description"), kDescriptionLength));
        ref.startAge = *startAge;
        ref.values = values;
        announceRange(values, *startAge);
        checkOrder(values, *startAge);
        storeRmdEvents(scenario);
        return in.result();
    }

private:
    void announce(const std::string& text) {
        dialogs().show({text, std::string(kTitle), MessageIcon::Exclamation, MessageButtons::Ok});
    }

    void announceRange(const std::array<float, kLifeTableLength>& values, int startAge) {
        for (int i = 0; i < kLifeTableLength; ++i) {
            const float value = values[static_cast<std::size_t>(i)];
            if (value < 0.0f || value > 50.0f) {
                announce("The value " + compacted("%4.1f", static_cast<double>(value)) +
                         " for age " + formatText("%2d", startAge + i) +
                         " seems out of range. Please check your Life Expectancy Tables.");
            }
        }
    }

    // Every pair out of order is named until a zero is met; a zero ends the check.
    void checkOrder(const std::array<float, kLifeTableLength>& values, int startAge) {
        for (int i = 0; i + 1 < kLifeTableLength && !m_zeroProblem; ++i) {
            const float first = values[static_cast<std::size_t>(i)];
            const float second = values[static_cast<std::size_t>(i + 1)];
            if (first > second && first != 0.0f && second != 0.0f) {
                continue;
            }
            const bool secondZero = second == 0.0f;
            announce("Possible incorrect value " +
                     compacted("%4.1f", static_cast<double>(secondZero ? second : first)) +
                     " at age " + formatText("%2d", startAge + (secondZero ? i + 1 : i)) +
                     ".\nPlease check the IRS RMD Life Expectancy Tables.");
            m_zeroProblem = first == 0.0f || secondZero;
        }
    }

    int m_table;
    EditorForm m_form;
    bool m_zeroProblem = false;
};

} // namespace

std::unique_ptr<OptionEditor> openLifeTableEditor(Scenario& scenario, int table,
                                                  UserDialogs& dialogs) {
    return std::make_unique<LifeTableEditor>(scenario, std::clamp(table, 1, kLifeTableCount),
                                             dialogs);
}

bool lifeTableHasZeroProblem(const OptionEditor& editor) {
    const auto* table = dynamic_cast<const LifeTableEditor*>(&editor);
    return table != nullptr && table->zeroProblem();
}

} // namespace finplan
