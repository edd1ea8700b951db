#include "gui/editors/budget_dialog.h"

#include "editing/budget_editor.h"
#include "editing/name_text.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <array>

namespace finplan::gui {

namespace {

// Column headers, their shares of 305 parts of the list's width and their alignment.
struct Column {
    const char* title;
    int parts;
    Qt::Alignment align;
};
constexpr std::array<Column, 6> kColumns = {{
    {"Name", 86, Qt::AlignLeft},
    {"Amount", 53, Qt::AlignRight},
    {"Monthly", 40, Qt::AlignHCenter},
    {"Applied Rate", 60, Qt::AlignRight},
    {"Yearly", 53, Qt::AlignRight},
    {"T", 14, Qt::AlignLeft},
}};
constexpr int kListWidth = 560;

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

BudgetDialog::BudgetDialog(BudgetEditor& editor, QWidget* parent)
    : FormDialog(budgetForm(), parent)
    , m_editor(editor)
    , m_model(new QStandardItemModel(0, static_cast<int>(kColumns.size()), this))
    , m_list(new QTableView(this)) {
    m_list->setObjectName(QStringLiteral("item-list"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->setMinimumWidth(kListWidth + 4);
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        m_model->setHeaderData(static_cast<int>(i), Qt::Horizontal,
                               QString::fromLatin1(kColumns[i].title));
        m_list->setColumnWidth(static_cast<int>(i), kListWidth * kColumns[i].parts / 305);
    }
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { rowSelected(current.row()); });
    if (auto* box = qobject_cast<QVBoxLayout*>(layout())) {
        box->insertWidget(0, m_list);
    }
    setChoices("withdraw-from-account", editor.choices());
    showTexts(editor.texts());
    fillList();
}

void BudgetDialog::fillList() {
    m_model->removeRows(0, m_model->rowCount());
    for (const BudgetRow& row : m_editor.rows()) {
        const std::array<std::string, 6> cells = {utf8FromLatin1(row.name), row.amount, row.monthly,
                                                  row.appliedRate,          row.yearly, row.track};
        QList<QStandardItem*> items;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            auto* item = new QStandardItem(qs(cells[i]));
            item->setTextAlignment(kColumns[i].align | Qt::AlignVCenter);
            items.push_back(item);
        }
        m_model->appendRow(items);
    }
    showTexts({{"yearly-total", m_editor.yearlyTotalText()}});
}

void BudgetDialog::rowSelected(int row) {
    if (row >= 0) {
        showTexts(m_editor.itemTexts(row));
    }
}

void BudgetDialog::clearItemFields() {
    showTexts({{"name", ""}, {"amount", ""}, {"apply-rate", ""}});
}

void BudgetDialog::buttonPressed(const std::string& key) {
    const FieldTexts fields = texts();
    if (key == "enter") {
        const CalcResult result = m_editor.enter(fields);
        if (result.refusal) {
            focusField(result.refusal->field);
        }
        fillList();
    } else if (key == "clear") {
        clearItemFields();
    } else if (key == "delete") {
        m_editor.deleteItem(fields);
        fillList();
    } else if (key == "clear-all") {
        m_editor.clearAll();
        fillList();
    } else if (key == "copy-all") {
        m_editor.copyAll();
    } else if (key == "paste-all") {
        m_editor.pasteAll();
        showTexts(m_editor.texts());
        fillList();
    } else if (key == "print") {
        // The item sheet is written for the printed pages, which print it by name.
        m_editor.writeSheet();
    } else if (key == "print-report") {
        m_editor.writeReportInput(fields);
    }
}

void BudgetDialog::okPressed() {
    const CalcResult result = m_editor.ok(texts());
    if (result.accepted() && m_editor.closed()) {
        accept();
    } else if (result.refusal) {
        focusField(result.refusal->field);
    }
}

void BudgetDialog::reject() {
    if (!m_editor.closed()) {
        m_editor.cancel();
    }
    FormDialog::reject();
}

} // namespace finplan::gui
