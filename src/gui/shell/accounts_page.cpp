#include "gui/shell/accounts_page.h"

#include "app/planner.h"
#include "gui/commands/account_actions.h"
#include "gui/help/help_button.h"
#include "gui/shell/banding.h"
#include "model/command_line.h"
#include "results/money_text.h"
#include "results/text_format.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <array>
#include <functional>
#include <utility>

namespace finplan::gui {

namespace {

// Widths of columns 0 to 6 in parts of the list's width; the penalty and random-rate columns
// are as wide as their headers, the ID column 50 pixels.
constexpr std::array<int, AccountTableModel::kSortableColumns> kColumnParts = {106, 106, 20, 105,
                                                                               40,  70,  42};
constexpr int kAllParts = 540;
constexpr int kIdColumnWidth = 50;
constexpr int kHeaderTextMargin = 12;
constexpr int kAccessOrderColumn = 6;

// The account list; its columns keep their proportions as it resizes.
class AccountListView : public QTreeView {
public:
    using QTreeView::QTreeView;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QTreeView::resizeEvent(event);
        fitColumns();
    }

private:
    void fitColumns() {
        if (model() == nullptr) {
            return;
        }
        const int width = viewport()->width();
        for (int column = 0; column < AccountTableModel::kSortableColumns; ++column) {
            setColumnWidth(column,
                           kColumnParts[static_cast<std::size_t>(column)] * width / kAllParts);
        }
        const QFontMetrics metrics = header()->fontMetrics();
        for (int column = AccountTableModel::kSortableColumns;
             column < AccountTableModel::kIdColumn; ++column) {
            const QString text = model()->headerData(column, Qt::Horizontal).toString();
            setColumnWidth(column, metrics.horizontalAdvance(text) + kHeaderTextMargin);
        }
        if (model()->columnCount() > AccountTableModel::kIdColumn) {
            setColumnWidth(AccountTableModel::kIdColumn, kIdColumnWidth);
        }
    }
};

} // namespace

AccountsPage::AccountsPage(Planner& planner, AccountActions& actions, QWidget* parent)
    : QWidget(parent)
    , m_planner(planner)
    , m_actions(actions) {
    setObjectName(QStringLiteral("accountsPage"));
    AccountSortState& sort = planner.accountSort();
    m_model =
        new AccountTableModel(planner.scenario(), sort, planner.settings().switches.idOn, this);
    m_view = new AccountListView(this);
    m_view->setObjectName(QStringLiteral("accountList"));
    m_view->setModel(m_model);
    m_view->setRootIsDecorated(false);
    m_view->setItemsExpandable(false);
    m_view->setUniformRowHeights(true);
    m_view->setAllColumnsShowFocus(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->header()->setStretchLastSection(false);
    m_view->header()->setSectionsMovable(false);
    m_view->header()->setSectionsClickable(true);
    m_view->header()->setSectionResizeMode(QHeaderView::Interactive);
    if (planner.settings().screenBanding != 0) {
        QPalette palette = m_view->palette();
        palette.setColor(QPalette::AlternateBase,
                         bandColor(bandingVariant(planner.settings().switches)));
        m_view->setPalette(palette);
        m_view->setAlternatingRowColors(true);
    }

    m_withdrawalOrder = new QCheckBox(QStringLiteral("Sort by withdrawal order"), this);
    m_withdrawalOrder->setObjectName(QStringLiteral("withdrawalOrderBox"));
    m_withdrawalOrder->setChecked(sort.key == AccountSortKey::AccessOrder);

    auto* buttons = new QHBoxLayout;
    const std::array<std::pair<const char*, std::function<void()>>, 5> actionsOf = {{
        {"Add", [this] { m_actions.addAccount(); }},
        {"Edit", [this] { editSelected(); }},
        {"Import", [this] { m_actions.importAccounts(); }},
        {"Delete",
         [this] {
             if (const int row = selectedRow(); row >= 0) {
                 m_actions.deleteAccount(row);
             }
         }},
        {"Help", nullptr},
    }};
    for (const auto& [text, action] : actionsOf) {
        auto* button = new QPushButton(QString::fromLatin1(text), this);
        button->setObjectName(QString::fromLatin1(text).toLower() + QStringLiteral("Button"));
        button->setAutoDefault(false);
        if (action) {
            connect(button, &QPushButton::clicked, this, action);
        } else {
            connectHelpButton(*button, helpTopicForDialog("accountinfo"));
        }
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* hint = new QLabel(QStringLiteral("Double click an account to edit."), this);
    hint->setObjectName(QStringLiteral("accountHint"));

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("accountCountLabel"));
    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("accountTotalLabel"));
    auto* totals = new QHBoxLayout;
    totals->addWidget(new QLabel(QStringLiteral("Number of Accounts"), this));
    totals->addWidget(m_count);
    totals->addSpacing(24);
    totals->addWidget(new QLabel(QStringLiteral("Total"), this));
    totals->addWidget(m_total);
    totals->addStretch(1);
    totals->addWidget(m_withdrawalOrder);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(hint);
    layout->addWidget(m_view, 1);
    layout->addLayout(totals);
    layout->addLayout(buttons);

    connect(m_view->header(), &QHeaderView::sectionClicked, this, &AccountsPage::headerClicked);
    connect(m_view, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { m_actions.editAccount(index.row()); });
    connect(m_withdrawalOrder, &QCheckBox::clicked, this, [this](bool checked) {
        m_model->sortByWithdrawalOrder(checked);
        updateTotals();
    });
    updateTotals();
}

void AccountsPage::headerClicked(int column) {
    if (column >= AccountTableModel::kSortableColumns) {
        return;
    }
    m_model->sortByColumn(column);
    m_withdrawalOrder->setChecked(column == kAccessOrderColumn);
    updateTotals();
}

int AccountsPage::selectedRow() const {
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void AccountsPage::editSelected() {
    if (const int row = selectedRow(); row >= 0) {
        m_actions.editAccount(row);
    }
}

void AccountsPage::updateTotals() {
    const AccountTable& table = m_planner.scenario().accounts;
    float total = 0.0f;
    for (int i = 0; i < table.usedCount(); ++i) {
        total += table.accounts[static_cast<std::size_t>(i)].initialAmount;
    }
    m_count->setText(QString::fromLatin1(formatText("%2d", table.accountCount).c_str()));
    m_total->setText(QString::fromLatin1(moneyText(total).c_str()));
}

} // namespace finplan::gui
