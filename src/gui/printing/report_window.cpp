#include "gui/printing/report_window.h"

#include "gui/printing/report_table_model.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace finplan::gui {

namespace {

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* made = new QPushButton(text, parent);
    made->setObjectName(QLatin1String(name));
    made->setAutoDefault(false);
    return made;
}

} // namespace

ReportWindow::ReportWindow(QWidget* parent, const QString& title, PageText page,
                           ReportActions actions)
    : QDialog(parent)
    , m_actions(std::move(actions))
    , m_model(new ReportTableModel(
          std::move(page), QApplication::palette().color(QPalette::Button).lighter(110), this))
    , m_list(new QTableView(this))
    , m_selectedAge(new QLineEdit(this)) {
    setObjectName(QStringLiteral("reportWindow"));
    setWindowTitle(title);
    m_list->setObjectName(QStringLiteral("reportList"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(m_model->columnCount() < 8);
    m_list->resizeColumnsToContents();
    m_selectedAge->setObjectName(QStringLiteral("selectedAge"));
    m_selectedAge->setReadOnly(true);

    auto* ok = button(QStringLiteral("OK"), "ok", this);
    auto* print = button(QStringLiteral("Print"), "print", this);
    print->setEnabled(m_model->columnCount() > 0 && m_actions.print != nullptr);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(print, &QPushButton::clicked, this, [this] { m_actions.print(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(new QLabel(QStringLiteral("Selected Age"), this));
    buttons->addWidget(m_selectedAge);
    buttons->addWidget(ok);
    buttons->addWidget(print);
    if (m_actions.printSelectedAge) {
        m_printSelected = button(QStringLiteral("Print Selected Age"), "printSelectedAge", this);
        m_printSelected->setEnabled(false);
        connect(m_printSelected, &QPushButton::clicked, this,
                [this] { m_actions.printSelectedAge(m_selectedRow); });
        buttons->addWidget(m_printSelected);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { rowSelected(); });
    resize(760, 480);
}

void ReportWindow::rowSelected() {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    m_selectedRow = rows.isEmpty() ? std::string() : m_model->rowLabel(rows.front().row());
    m_selectedAge->setText(QString::fromLatin1(m_selectedRow.c_str()));
    if (m_printSelected != nullptr) {
        m_printSelected->setEnabled(!m_selectedRow.empty());
    }
}

} // namespace finplan::gui
