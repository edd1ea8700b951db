#pragma once

#include "editing/import_line.h"

#include <QDialog>

class QRadioButton;

namespace finplan::gui {

// A choice between a tab- and a comma-delimited file: the "Update Accounts From a File" and
// the "Export Accounts to a File" dialogs. The tab file is chosen at the start.
class AccountFileDialog : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { Update, Export };

    explicit AccountFileDialog(Purpose purpose, QWidget* parent = nullptr);

    Delimiter chosen() const;
    void choose(Delimiter delimiter);

private:
    QRadioButton* m_tab;
    QRadioButton* m_comma;
};

} // namespace finplan::gui
