#include "editing/option_editor.h"

namespace finplan {

namespace {

constexpr std::string_view kBanding = "use-color-banding-on-accounts-and-schedules";
constexpr std::string_view kHideFolder = "hide-the-tarvel-software-folder";
constexpr std::string_view kDefaultFonts = "use-default-fonts";
constexpr std::string_view kFolderFonts = "select-scenario-results-folder-fonts";
constexpr std::string_view kValueFonts = "select-results-value-fonts";

std::string box(std::int32_t value) {
    return value != 0 ? "on" : "";
}

class PreferencesEditor : public OptionEditor {
public:
    PreferencesEditor(Scenario& scenario, UserDialogs& dialogs)
        : OptionEditor(scenario, dialogs) {
        const PrefInfo& prefs = scenario.prefs;
        m_texts = {{std::string(kBanding), box(prefs.screenBanding)},
                   {std::string(kHideFolder), box(prefs.hideInfoFolder)},
                   {std::string(kDefaultFonts), box(prefs.useDefaultFonts)}};
    }

    const EditorForm& form() const override {
        static const EditorForm form{
            EditorKind::Preferences,
            "pref",
            "Preferences",
            {{std::string(kBanding), FieldKind::CheckBox,
              "Use color banding on accounts and schedules", 0},
             {std::string(kHideFolder), FieldKind::CheckBox, "Hide the Tarvel Software folder", 0},
             {std::string(kDefaultFonts), FieldKind::CheckBox, "Use default fonts", 0},
             {std::string(kFolderFonts), FieldKind::Button, "Select Scenario/Results Folder Fonts",
              0},
             {std::string(kValueFonts), FieldKind::Button, "Select Results Value Fonts", 0}}};
        return form;
    }

    // With the default fonts there is no font to choose.
    std::set<std::string> disabledFields(const FieldTexts& fields) const override {
        if (isChecked(fields, kDefaultFonts)) {
            return {std::string(kFolderFonts), std::string(kValueFonts)};
        }
        return {};
    }

protected:
    CalcResult submit(Scenario& scenario, const FieldTexts& fields) override {
        PrefInfo& prefs = scenario.prefs;
        prefs.hideInfoFolder = isChecked(fields, kHideFolder) ? 1 : 0;
        prefs.screenBanding = isChecked(fields, kBanding) ? 1 : 0;
        prefs.useDefaultFonts = isChecked(fields, kDefaultFonts) ? 1 : 0;
        prefs.scheduleDefaultFonts = prefs.useDefaultFonts;
        return {};
    }
};

} // namespace

std::unique_ptr<OptionEditor> openPreferencesEditor(Scenario& scenario, UserDialogs& dialogs) {
    return std::make_unique<PreferencesEditor>(scenario, dialogs);
}

} // namespace finplan
