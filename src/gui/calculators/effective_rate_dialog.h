#pragma once

#include "calculators/calc_fields.h"

#include <QDialog>

#include <functional>
#include <string>

class QButtonGroup;
class QLineEdit;

namespace finplan {
class UserDialogs;
}

namespace finplan::gui {

// "Calculate Effective Yearly Rate": a nominal rate and how often it is compounded give the
// yearly rate. Opened from another dialog, "Use This Effective Yearly Rate" hands the answer
// to that dialog's rate field.
class EffectiveRateDialog : public QDialog {
    Q_OBJECT
public:
    using UseRate = std::function<void(const std::string& rate)>;

    // `useRate` empty: opened from the menu, and the Use button is disabled.
    EffectiveRateDialog(FieldTexts& kept, UserDialogs& dialogs, UseRate useRate, QWidget* parent);
    ~EffectiveRateDialog() override;

    FieldTexts texts() const;
    bool calculate();

private:
    void useRate();
    void updatePeriods();

    FieldTexts& m_kept;
    UserDialogs& m_dialogs;
    UseRate m_useRate;
    QLineEdit* m_rate;
    QLineEdit* m_periods;
    QLineEdit* m_result;
    QButtonGroup* m_compounding;
};

} // namespace finplan::gui
