#pragma once

#include "gui/editors/form_dialog.h"

class QStandardItemModel;
class QTableView;

namespace finplan {
class BudgetEditor;
}

namespace finplan::gui {

// The Budget dialog over the core's budget editor: the budget's fields, the item list (a
// table of the rows as the editor words them), the item editor and its buttons. OK stores the
// budget and its withdrawal event; Cancel and closing the window put the budget back as it
// was on opening, items included.
class BudgetDialog : public FormDialog {
    Q_OBJECT
public:
    BudgetDialog(BudgetEditor& editor, QWidget* parent = nullptr);

    QTableView* itemList() const { return m_list; }
    QStandardItemModel* itemModel() const { return m_model; }
    void reject() override;

protected:
    void okPressed() override;
    void buttonPressed(const std::string& key) override;

private:
    void fillList();
    void rowSelected(int row);
    void clearItemFields();

    BudgetEditor& m_editor;
    QStandardItemModel* m_model;
    QTableView* m_list;
};

} // namespace finplan::gui
