#include "results/results_export.h"

#include "model/text_field.h"
#include "results/fixed_text.h"

#include <ostream>

namespace finplan {

void ResultsExport::header(const AccountTable& accounts) {
    const char separator = m_kind == ExportKind::Tab ? '\t' : ',';
    std::string line = std::string("Age") + separator;
    for (int i = 0; i < accounts.usedCount(); ++i) {
        line += fieldText(accounts.accounts[static_cast<std::size_t>(i)].name);
        line += separator;
    }
    // The comma header keeps a separator after "Total" as well.
    line += std::string("Equity") + separator + "Total";
    if (m_kind == ExportKind::Comma) {
        line += separator;
    }
    m_out << line << '\n';
}

void ResultsExport::row(float age, const AccountTable& accounts, float equityTotal) {
    const char separator = m_kind == ExportKind::Tab ? '\t' : ',';
    std::string line;
    appendFixed(line, age, 2);
    line += separator;
    float total = 0.0f;
    float heldEquity = 0.0f;
    for (int i = 0; i < accounts.usedCount(); ++i) {
        const AccountRecord& account = accounts.accounts[static_cast<std::size_t>(i)];
        total += account.balance;
        if (account.isKind(AccountKind::Equity)) {
            heldEquity += account.balance;
        }
        appendFixed(line, account.balance, 2);
        line += separator;
    }
    // The equity column holds the Equity accounts' balances too: only the equity no account
    // holds (from loans and mortgages) is added, so no account counts twice.
    total += equityTotal - heldEquity;
    appendFixed(line, equityTotal, 2);
    line += separator;
    appendFixed(line, total, 2);
    m_out << line << '\n';
}

} // namespace finplan
