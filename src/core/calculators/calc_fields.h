#pragma once

#include "platform/user_dialogs.h"

#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

// A calculator dialog's fields as texts, keyed by the field's label in lower case with hyphens
// ("monthly-payment"). A check box holds "on" when checked; a missing key is an empty field.
using FieldTexts = std::map<std::string, std::string, std::less<>>;

std::string_view textOf(const FieldTexts& fields, std::string_view key);
bool isChecked(const FieldTexts& fields, std::string_view key);

// A refused input: the message box the dialog shows and the field it returns to.
struct Refusal {
    std::string title;
    std::string text;
    std::string field;
    MessageIcon icon = MessageIcon::Stop;
};

void showRefusal(const Refusal& refusal, UserDialogs& dialogs);

struct OutputField {
    std::string key;
    std::string text;
};

// What a calculation answers: the output fields' texts as the dialog shows them, in the
// dialog's order, or the refusal of the first input that failed its check.
struct CalcResult {
    std::vector<OutputField> outputs;
    std::optional<Refusal> refusal;
    std::string notice; // said beside accepted results, e.g. of a debt that never ends

    bool accepted() const { return !refusal.has_value(); }
    // The text of an output; empty when there is no such output.
    std::string_view output(std::string_view key) const;
};

// Checks the fields of one dialog in the order it checks them. The first refusal is kept; the
// caller stops at the first empty answer and returns result().
class FieldReader {
public:
    FieldReader(const FieldTexts& fields, MessageIcon icon)
        : m_fields(fields)
        , m_icon(icon) {}

    // A refusal shows the reader's icon unless another is given.
    std::optional<float> real(std::string_view key, double min, double max, std::string_view title,
                              std::string_view text,
                              std::optional<MessageIcon> icon = std::nullopt);
    std::optional<int> whole(std::string_view key, double min, double max, std::string_view title,
                             std::string_view text, std::optional<MessageIcon> icon = std::nullopt);
    // A real field without limits: the number in it, 0 when it holds none. Limits are
    // compared with this value, before it becomes a float.
    double number(std::string_view key) const;
    bool checked(std::string_view key) const { return isChecked(m_fields, key); }

    void refuse(std::string_view key, std::string_view title, std::string_view text);
    void refuse(std::string_view key, std::string_view title, std::string_view text,
                MessageIcon icon);

    const std::optional<Refusal>& refusal() const { return m_refusal; }
    CalcResult result() const { return {{}, m_refusal, {}}; }

private:
    const FieldTexts& m_fields;
    MessageIcon m_icon;
    std::optional<Refusal> m_refusal;
};

// Collects output texts; a number that is not finite turns the whole answer into a refusal.
class OutputBuilder {
public:
    void text(std::string key, std::string text);
    // The value printed with a printf format for one double ("%-9.2f", "%-4.2f%%").
    void number(std::string key, const char* format, double value);
    // The value printed with "%13.2f" and made a money text ("$17,908.47").
    void money(std::string key, double value);
    // A value the answer depends on without showing it, such as a row of a file.
    void requireFinite(double value) { m_tooLarge = m_tooLarge || !std::isfinite(value); }

    CalcResult finish(MessageIcon icon) const;

private:
    std::vector<OutputField> m_outputs;
    bool m_tooLarge = false;
};

// The refusal of a result that cannot be shown (it overflowed or is not a number).
Refusal resultTooLarge(MessageIcon icon);

} // namespace finplan
