#include "gui/calculators/table_window.h"

#include "gui/calculators/text_table_model.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <numeric>

namespace finplan::gui {

namespace {

constexpr int kMargin = 10;
constexpr int kButtonWidth = 60;
constexpr int kButtonHeight = 20;
constexpr int kInitialWidth = 900;
constexpr int kInitialHeight = 480;
constexpr int kScrollRoom = 20;

} // namespace

TableWindow::TableWindow(const QString& name, const QString& title, QWidget* parent)
    : QDialog(parent)
    , m_table(new QTableView(this)) {
    setObjectName(name);
    setWindowTitle(title);
    m_table->setObjectName(QStringLiteral("table"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->setWordWrap(false);
    // White on the highlight colour for the chosen row, whatever the style does.
    m_table->setStyleSheet(QStringLiteral("QTableView::item:selected { color: white; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addWidget(m_table, 1);
    resize(kInitialWidth, kInitialHeight);
}

void TableWindow::setHeading(const QString& heading) {
    auto* label = new QLabel(heading, this);
    label->setObjectName(QStringLiteral("heading"));
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, label);
}

void TableWindow::setTable(const QStringList& columns, std::vector<QStringList> rows,
                           std::vector<int> widths) {
    QAbstractItemModel* old = m_table->model();
    m_table->setModel(new TextTableModel(columns, std::move(rows), this));
    delete old;
    m_widths = std::move(widths);
    fitColumns();
}

void TableWindow::addButtons(const std::vector<Button>& buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const Button& spec : buttons) {
        auto* button = new QPushButton(spec.label, this);
        button->setObjectName(spec.key);
        button->setMinimumSize(kButtonWidth, kButtonHeight);
        button->setAutoDefault(false);
        if (spec.action) {
            connect(button, &QPushButton::clicked, this, spec.action);
        } else {
            button->setDefault(true);
            connect(button, &QPushButton::clicked, this, &QDialog::accept);
        }
        row->addWidget(button);
    }
    row->addStretch(1);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void TableWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    fitColumns();
}

void TableWindow::fitColumns() {
    const int total = std::accumulate(m_widths.begin(), m_widths.end(), 0);
    if (total <= 0) {
        return;
    }
    // The window's width less the margins and a scroll bar's room.
    const int width = this->width() - 2 * kMargin - kScrollRoom;
    for (std::size_t i = 0; i < m_widths.size(); ++i) {
        m_table->setColumnWidth(static_cast<int>(i), width * m_widths[i] / total);
    }
}

} // namespace finplan::gui
