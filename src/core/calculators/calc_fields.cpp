#include "calculators/calc_fields.h"

#include "editing/field_check.h"
#include "results/money_text.h"
#include "results/text_format.h"

#include <cmath>
#include <utility>

namespace finplan {

std::string_view textOf(const FieldTexts& fields, std::string_view key) {
    const auto found = fields.find(key);
    return found == fields.end() ? std::string_view() : std::string_view(found->second);
}

bool isChecked(const FieldTexts& fields, std::string_view key) {
    return textOf(fields, key) == "on";
}

void showRefusal(const Refusal& refusal, UserDialogs& dialogs) {
    dialogs.show({refusal.text, refusal.title, refusal.icon, MessageButtons::Ok});
}

std::string_view CalcResult::output(std::string_view key) const {
    for (const OutputField& field : outputs) {
        if (field.key == key) {
            return field.text;
        }
    }
    return {};
}

std::optional<float> FieldReader::real(std::string_view key, double min, double max,
                                       std::string_view title, std::string_view text,
                                       std::optional<MessageIcon> icon) {
    const auto value = checkRealField(textOf(m_fields, key), min, max);
    if (!value) {
        refuse(key, title, text, icon.value_or(m_icon));
    }
    return value;
}

std::optional<int> FieldReader::whole(std::string_view key, double min, double max,
                                      std::string_view title, std::string_view text,
                                      std::optional<MessageIcon> icon) {
    const auto value = checkWholeField(textOf(m_fields, key), min, max);
    if (!value) {
        refuse(key, title, text, icon.value_or(m_icon));
    }
    return value;
}

double FieldReader::number(std::string_view key) const {
    return fieldNumber(textOf(m_fields, key));
}

void FieldReader::refuse(std::string_view key, std::string_view title, std::string_view text) {
    refuse(key, title, text, m_icon);
}

void FieldReader::refuse(std::string_view key, std::string_view title, std::string_view text,
                         MessageIcon icon) {
    if (!m_refusal) {
        m_refusal = Refusal{std::string(title), std::string(text), std::string(key), icon};
    }
}

void OutputBuilder::text(std::string key, std::string text) {
    m_outputs.push_back({std::move(key), std::move(text)});
}

void OutputBuilder::number(std::string key, const char* format, double value) {
    requireFinite(value);
    m_outputs.push_back({std::move(key), formatText(format, value)});
}

void OutputBuilder::money(std::string key, double value) {
    requireFinite(value);
    std::string text = formatText("%13.2f", value);
    formatMoney(text);
    m_outputs.push_back({std::move(key), std::move(text)});
}

CalcResult OutputBuilder::finish(MessageIcon icon) const {
    if (m_tooLarge) {
        return {{}, resultTooLarge(icon), {}};
    }
    return {m_outputs, std::nullopt, {}};
}

Refusal resultTooLarge(MessageIcon icon) {
    return {"Amount Error!", "The result is too large to show.", {}, icon};
}

} // namespace finplan
