#include "editing/option_editor.h"

#include <array>

namespace finplan {

namespace {

// A Letter sheet in thousandths of an inch.
constexpr int kSheetWidth = 8500;
constexpr int kSheetHeight = 11000;

struct Margin {
    std::string_view key;
    std::int32_t PrefInfo::*value;
};

constexpr std::array<Margin, 4> kMargins = {{{"left-margin", &PrefInfo::marginLeft},
                                             {"top-margin", &PrefInfo::marginTop},
                                             {"right-margin", &PrefInfo::marginRight},
                                             {"bottom-margin", &PrefInfo::marginBottom}}};
constexpr std::string_view kPortrait = "portrait";
constexpr std::string_view kLandscape = "landscape";

class PageSetupEditor : public OptionEditor {
public:
    PageSetupEditor(Scenario& scenario, UserDialogs& dialogs)
        : OptionEditor(scenario, dialogs) {
        for (const Margin& margin : kMargins) {
            m_texts[std::string(margin.key)] = std::to_string(scenario.prefs.*margin.value);
        }
        const bool landscape = scenario.prefs.printOption == 2;
        m_texts[std::string(kPortrait)] = landscape ? "" : "on";
        m_texts[std::string(kLandscape)] = landscape ? "on" : "";
    }

    const EditorForm& form() const override {
        static const EditorForm form{
            EditorKind::PageSetup,
            "pagesetup",
            "Page Setup",
            {{"left-margin", FieldKind::Text, "Left Margin", 5},
             {"top-margin", FieldKind::Text, "Top Margin", 5},
             {"right-margin", FieldKind::Text, "Right Margin", 5},
             {"bottom-margin", FieldKind::Text, "Bottom Margin", 5},
             {std::string(kPortrait), FieldKind::CheckBox, "Portrait", 0},
             {std::string(kLandscape), FieldKind::CheckBox, "Landscape", 0}}};
        return form;
    }

    // The orientations are a pair: one click chooses one.
    void click(std::string_view key, FieldTexts& fields) override {
        const bool portrait =
            key == kPortrait ? isChecked(fields, kPortrait) : !isChecked(fields, kLandscape);
        fields[std::string(kPortrait)] = portrait ? "on" : "";
        fields[std::string(kLandscape)] = portrait ? "" : "on";
    }

protected:
    CalcResult submit(Scenario& scenario, const FieldTexts& fields) override {
        FieldReader in(fields, MessageIcon::Exclamation);
        const bool landscape = isChecked(fields, kLandscape);
        std::array<int, 4> values{};
        for (std::size_t i = 0; i < kMargins.size(); ++i) {
            const auto value = in.whole(kMargins[i].key, 0, 99999, "Page Setup",
                                        "Margins are whole thousandths of an inch.");
            if (!value) {
                return in.result();
            }
            values[i] = *value;
        }
        const int width = landscape ? kSheetHeight : kSheetWidth;
        const int height = landscape ? kSheetWidth : kSheetHeight;
        if (values[0] + values[2] >= width) {
            in.refuse("left-margin", "Page Setup", "The margins leave no room on the page.");
            return in.result();
        }
        if (values[1] + values[3] >= height) {
            in.refuse("top-margin", "Page Setup", "The margins leave no room on the page.");
            return in.result();
        }
        for (std::size_t i = 0; i < kMargins.size(); ++i) {
            scenario.prefs.*kMargins[i].value = values[i];
        }
        scenario.prefs.printOption = landscape ? 2 : 1;
        scenario.modified = true;
        return {};
    }
};

} // namespace

std::unique_ptr<OptionEditor> openPageSetupEditor(Scenario& scenario, UserDialogs& dialogs) {
    return std::make_unique<PageSetupEditor>(scenario, dialogs);
}

} // namespace finplan
