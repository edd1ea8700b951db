#include "gui/shell/account_table_model.h"

#include "model/text_field.h"
#include "results/text_format.h"

#include <array>

namespace finplan::gui {

namespace {

constexpr int kColumns = 11;

const std::array<const char*, kColumns + 1> kHeaders = {
    "Account",         "Group", "P",           "Account Type", "Rate",
    "Amount",          "Order", "Penalty Age", "Penalty Rate", "Min Random Rate",
    "Max Random Rate", "ID"};

bool showsPenalty(const AccountRecord& account) {
    return (account.isKind(AccountKind::RetirementSavings) ||
            account.isKind(AccountKind::TaxFreeSavings)) &&
           account.penaltyApplies == 1;
}

QString latin(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString latin(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

AccountTableModel::AccountTableModel(Scenario& scenario, AccountSortState& sort, bool showIds,
                                     QObject* parent)
    : QAbstractTableModel(parent)
    , m_scenario(scenario)
    , m_sort(sort)
    , m_showIds(showIds) {
    fill();
}

void AccountTableModel::fill() {
    beginResetModel();
    AccountTable& table = m_scenario.accounts;
    if (table.accountCount < 0 || table.accountCount > kMaxAccounts) {
        table.accountCount = 0;
        table.nextAccountId = 0;
    }
    if (table.accountCount > 0) {
        sortAccounts(m_scenario, m_sort);
    }
    m_rows = table.accountCount;
    endResetModel();
}

void AccountTableModel::sortByColumn(int column) {
    if (m_sort.clickColumn(column)) {
        fill();
    }
}

void AccountTableModel::sortByWithdrawalOrder(bool on) {
    m_sort.sortByWithdrawalOrder(on);
    fill();
}

int AccountTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int AccountTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : (m_showIds ? kColumns + 1 : kColumns);
}

QString AccountTableModel::cellText(int row, int column) const {
    if (row < 0 || row >= m_scenario.accounts.usedCount()) {
        return {};
    }
    const AccountRecord& account = m_scenario.accounts.accounts[static_cast<std::size_t>(row)];
    const auto slot = static_cast<std::size_t>(account.slot < kMaxAccounts ? account.slot : 0);
    const bool penalty = showsPenalty(account);
    switch (column) {
    case 0:
        return latin(fieldText(account.name));
    case 1:
        return account.group < kGroupCount
                   ? latin(fieldText(m_scenario.groups.groupNames[account.group]))
                   : QString();
    case 2:
        return penalty ? QStringLiteral("x") : QStringLiteral(" ");
    case 3:
        return latin(accountKindLabel(account.kind));
    case 4:
        return latin(formatText("%8.3f", static_cast<double>(account.rate)));
    case 5:
        return latin(formatText("%13.2f", static_cast<double>(account.initialAmount)));
    case 6:
        return latin(fieldText(account.accessOrder));
    case 7:
        return penalty ? latin(formatText("%6.2f",
                                          static_cast<double>(m_scenario.slots.penaltyAge[slot])))
                       : QStringLiteral(" ");
    case 8:
        return penalty ? latin(formatText("%8.3f",
                                          static_cast<double>(m_scenario.slots.penaltyRate[slot])))
                       : QStringLiteral(" ");
    case 9:
        return latin(formatText("%8.3f", static_cast<double>(account.randomMinRate)));
    case 10:
        return latin(formatText("%8.3f", static_cast<double>(account.randomMaxRate)));
    case kIdColumn:
        return m_showIds ? latin(formatText("%5d", account.accountId)) : QString();
    default:
        return {};
    }
}

QVariant AccountTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return cellText(index.row(), index.column());
    }
    if (role == Qt::TextAlignmentRole) {
        const Qt::Alignment horizontal = index.column() <= 3 ? Qt::AlignLeft : Qt::AlignRight;
        return (horizontal | Qt::AlignVCenter).toInt();
    }
    return {};
}

QVariant AccountTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return QString::fromLatin1(kHeaders[static_cast<std::size_t>(section)]);
    }
    if (role == Qt::TextAlignmentRole) {
        const Qt::Alignment horizontal = section <= 3 ? Qt::AlignLeft : Qt::AlignRight;
        return (horizontal | Qt::AlignVCenter).toInt();
    }
    return {};
}

} // namespace finplan::gui
