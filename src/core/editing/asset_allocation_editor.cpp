#include "editing/field_check.h"
#include "editing/form_support.h"
#include "editing/option_editor.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"
#include "results/money_text.h"

#include <cmath>

namespace finplan {

namespace {

constexpr std::string_view kProportional = "proportional-asset-allocation-withdrawal";
constexpr std::string_view kEqual = "equal-asset-allocation-withdrawal";
constexpr std::string_view kAge = "age-to-start-withdrawals";
constexpr std::string_view kMinimum = "minimum-withdrawal-amount";

std::string limitsText(double low, double high) {
    std::string lowText = shown("%13.2f", low);
    std::string highText = shown("%13.2f", high);
    compactNumber(lowText);
    compactNumber(highText);
    return "This amount must be greater than " + lowText + " and less than " + highText + ".";
}

int assetAllocationEvent(const Scenario& scenario) {
    for (int i = 0; i < scenario.usedEventCount(); ++i) {
        if (scenario.events[static_cast<std::size_t>(i)].is(EventType::AssetAllocation)) {
            return i;
        }
    }
    return -1;
}

class AssetAllocationEditor : public OptionEditor {
public:
    AssetAllocationEditor(Scenario& scenario, UserDialogs& dialogs)
        : OptionEditor(scenario, dialogs) {
        const AccountTable& accounts = scenario.accounts;
        m_texts = {{std::string(kProportional), accounts.assetAllocationMode == 1 ? "on" : ""},
                   {std::string(kEqual), accounts.assetAllocationMode == 2 ? "on" : ""},
                   {std::string(kAge), shown("%-3.1f", static_cast<double>(accounts.aaStartAge))},
                   {std::string(kMinimum),
                    shown("%-12.2f", static_cast<double>(accounts.aaMinimumWithdrawal))}};
    }

    const EditorForm& form() const override {
        static const EditorForm form{
            EditorKind::AssetAllocation,
            "assetallocation",
            "Asset Allocation Withdrawal Options",
            {{std::string(kProportional), FieldKind::CheckBox,
              "Proportional asset allocation withdrawal", 0},
             {std::string(kEqual), FieldKind::CheckBox, "Equal asset allocation withdrawal", 0},
             {std::string(kAge), FieldKind::Text, "Age to start withdrawals", 20},
             {std::string(kMinimum), FieldKind::Text, "Minimum withdrawal amount", 20}}};
        return form;
    }

    // The two buttons are a pair: choosing one clears the other.
    void click(std::string_view key, FieldTexts& fields) override {
        if (isChecked(fields, key)) {
            fields[std::string(key == kProportional ? kEqual : kProportional)] = "";
        }
    }

protected:
    CalcResult submit(Scenario& scenario, const FieldTexts& fields) override {
        FieldReader in(fields, MessageIcon::Stop);
        int index = assetAllocationEvent(scenario);
        if (index < 0 && scenario.usedEventCount() >= kMaxEvents) {
            in.refuse(kAge, "Event Warning", "Maximum number of events reached!",
                      MessageIcon::Exclamation);
            return in.result();
        }
        if (!in.real(kAge, 1.0, 120.0, "START AGE ERROR", validationMessage(7))) {
            return in.result();
        }
        const auto age = in.real(kAge, 0.0, 120.0, "AGE ERROR", limitsText(0.0, 120.0));
        const auto minimum = age ? in.real(kMinimum, -kMaxAmount, kMaxAmount, "AMOUNT ERROR",
                                           limitsText(-kMaxAmount, kMaxAmount))
                                 : std::nullopt;
        if (!minimum) {
            return in.result();
        }
        AccountTable& accounts = scenario.accounts;
        accounts.assetAllocationMode = in.checked(kProportional) ? 1 : in.checked(kEqual) ? 2 : 0;
        accounts.aaStartAge = std::trunc(*age);
        accounts.aaMinimumWithdrawal = std::trunc(*minimum);
        if (index < 0) {
            index = scenario.usedEventCount();
            clearEvent(scenario, index);
            scenario.liveEventCount = index + 1;
        }
        EventRecord& event = scenario.events[static_cast<std::size_t>(index)];
        event.amount = *minimum;
        setFieldText(event.name, "Asset allocation withdrawal option in effect.");
        event.startAge = std::trunc(*age);
        event.endAge = 120.0f;
        event.type = static_cast<std::int16_t>(EventType::AssetAllocation);
        return in.result();
    }
};

} // namespace

std::unique_ptr<OptionEditor> openAssetAllocationEditor(Scenario& scenario, UserDialogs& dialogs) {
    return std::make_unique<AssetAllocationEditor>(scenario, dialogs);
}

} // namespace finplan
