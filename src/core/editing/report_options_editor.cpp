#include "editing/option_editor.h"
#include "model/text_field.h"

#include <array>

namespace finplan {

namespace {

// Characters of a title the dialog reads; the field keeps one more for its end.
constexpr int kTitleLength = 39;

constexpr std::array<std::string_view, 3> kTitles = {"title-1", "title-2", "title-3"};
constexpr std::array<std::string_view, 3> kUses = {"use-title-1", "use-title-2", "use-title-3"};
constexpr std::string_view kBanding = "use-color-banding-on-reports";
constexpr std::string_view kBoxing = "use-rectangle-boxing-on-reports";
constexpr std::string_view kColumns = "use-columns-on-reports";

std::string box(bool on) {
    return on ? "on" : "";
}

struct Title {
    std::array<char, 60> ReportTitles::*text;
    std::uint16_t ReportTitles::*use;
};

constexpr std::array<Title, 3> kTitleFields = {{{&ReportTitles::title1, &ReportTitles::useTitle1},
                                                {&ReportTitles::title2, &ReportTitles::useTitle2},
                                                {&ReportTitles::title3, &ReportTitles::useTitle3}}};

class ReportOptionsEditor : public OptionEditor {
public:
    ReportOptionsEditor(Scenario& scenario, UserDialogs& dialogs)
        : OptionEditor(scenario, dialogs) {
        for (std::size_t i = 0; i < kTitleFields.size(); ++i) {
            const Title& title = kTitleFields[i];
            m_texts[std::string(kTitles[i])] = std::string(fieldText(scenario.titles.*title.text));
            m_texts[std::string(kUses[i])] = box(scenario.titles.*title.use == 1);
        }
        const PrefInfo& prefs = scenario.prefs;
        m_texts[std::string(kBanding)] = box(prefs.reportBanding != 0);
        m_texts[std::string(kBoxing)] = box(prefs.reportBoxing != 0);
        m_texts[std::string(kColumns)] = box(prefs.reportColumns != 0);
    }

    const EditorForm& form() const override {
        static const EditorForm form{
            EditorKind::ReportOptions,
            "reportopt",
            "Reports Options",
            {{"use-title-1", FieldKind::CheckBox, "Use Title 1", 0},
             {"title-1", FieldKind::Text, "Title 1", kTitleLength},
             {"use-title-2", FieldKind::CheckBox, "Use Title 2", 0},
             {"title-2", FieldKind::Text, "Title 2", kTitleLength},
             {"use-title-3", FieldKind::CheckBox, "Use Title 3", 0},
             {"title-3", FieldKind::Text, "Title 3", kTitleLength},
             {std::string(kBanding), FieldKind::CheckBox, "Use color banding on reports", 0},
             {std::string(kBoxing), FieldKind::CheckBox, "Use rectangle boxing on reports", 0},
             {std::string(kColumns), FieldKind::CheckBox, "Use columns on reports", 0},
             {"fonts", FieldKind::Button, "Fonts", 0}}};
        return form;
    }

protected:
    CalcResult submit(Scenario& scenario, const FieldTexts& fields) override {
        for (std::size_t i = 0; i < kTitleFields.size(); ++i) {
            const Title& title = kTitleFields[i];
            // An unticked title keeps its text for the next time it is wanted.
            const bool used = isChecked(fields, kUses[i]);
            if (used) {
                setFieldText(scenario.titles.*title.text,
                             textOf(fields, kTitles[i]).substr(0, kTitleLength));
            }
            scenario.titles.*title.use = used ? 1 : 0;
        }
        PrefInfo& prefs = scenario.prefs;
        prefs.reportBanding = isChecked(fields, kBanding) ? 1 : 0;
        prefs.reportBoxing = isChecked(fields, kBoxing) ? 1 : 0;
        prefs.reportColumns = isChecked(fields, kColumns) ? 1 : 0;
        scenario.modified = true;
        return {};
    }
};

} // namespace

std::unique_ptr<OptionEditor> openReportOptionsEditor(Scenario& scenario, UserDialogs& dialogs) {
    return std::make_unique<ReportOptionsEditor>(scenario, dialogs);
}

} // namespace finplan
