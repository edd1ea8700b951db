#pragma once

#include "model/account_table.h"

#include <iosfwd>
#include <string>

namespace finplan {

enum class ExportKind { Tab, Comma };

// The yearly account balances of a run as a tab- or comma-delimited table, written by the run
// itself: the header once its accounts are in run order, a row at each opening snapshot.
class ResultsExport {
public:
    ResultsExport(std::ostream& out, ExportKind kind)
        : m_out(out)
        , m_kind(kind) {}

    void header(const AccountTable& accounts);
    void row(float age, const AccountTable& accounts, float equityTotal);

private:
    std::ostream& m_out;
    ExportKind m_kind;
};

} // namespace finplan
