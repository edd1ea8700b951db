#pragma once

#include "calculators/calc_fields.h"
#include "calculators/trade_record.h"
#include "gui/calculators/calculator_hooks.h"

#include <QDialog>

#include <filesystem>
#include <map>
#include <string>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace finplan::gui {

// "Trade-Off Analysis": three options of costs and incomes over a number of periods. The
// periods' up-down control recomputes at once; OK keeps the inputs in "tradeinf.dat".
class TradeOffDialog : public QDialog {
    Q_OBJECT
public:
    struct Setting {
        float taxRate = 0.0f; // the scenario's
        std::filesystem::path workDir;
        UserDialogs& dialogs;
        const CalculatorHooks& hooks;
    };

    TradeOffDialog(TradeRecord& kept, const Setting& setting, QWidget* parent);

    FieldTexts texts() const;
    bool calculate();

private:
    QLineEdit* addEdit(const std::string& key, bool output);
    void save();
    void graph();
    void show(const FieldTexts& fields);

    TradeRecord& m_kept;
    Setting m_setting;
    std::map<std::string, QLineEdit*> m_edits;
    QSpinBox* m_periods;
    QCheckBox* m_useTax;
};

} // namespace finplan::gui
