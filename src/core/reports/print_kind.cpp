#include "reports/print_kind.h"

#include "results/text_format.h"

namespace finplan {

PrintKind printKindFromNumber(int number) {
    if (number < 1 || number > static_cast<int>(PrintKind::Refinance)) {
        return PrintKind::Schedule;
    }
    return static_cast<PrintKind>(number);
}

std::string titlePageName(const PrintName& name) {
    switch (name.kind) {
    case PrintKind::Schedule:
        return "Financial Schedule";
    case PrintKind::NetWorth:
        return "Net Worth Report";
    case PrintKind::Incoming:
        return "Incoming Report";
    case PrintKind::Outgoing:
        return "Outgoing Report";
    case PrintKind::Accounts:
        return "Account Report";
    case PrintKind::Groups:
        return "Group Report";
    case PrintKind::IncomingEvents:
        return "Incoming Events Report";
    case PrintKind::OutgoingEvents:
        return "Outgoing Events Report";
    case PrintKind::AccountFlow:
        return "Accounts/Incoming/Outgoing Report";
    case PrintKind::AgeIncoming:
        return formatText("Accounts Incoming Report -- Age %d", name.age);
    case PrintKind::AgeOutgoing:
        return formatText("Accounts Outgoing Report -- Age %d", name.age);
    case PrintKind::Budget:
    case PrintKind::Mortgage:
    case PrintKind::BudgetSheet:
        return name.callerTitle;
    case PrintKind::Refinance:
        return "Refinance Analysis Report";
    }
    return {};
}

std::string pageBlockName(const PrintName& name, int pageNumber) {
    const bool first = pageNumber == 1;
    switch (name.kind) {
    case PrintKind::Accounts:
        return " Accounts";
    case PrintKind::Groups:
        return " Groups";
    case PrintKind::Schedule:
    case PrintKind::NetWorth:
    case PrintKind::Incoming:
    case PrintKind::Outgoing:
        return first ? titlePageName(name) : " " + titlePageName(name);
    default:
        return titlePageName(name);
    }
}

} // namespace finplan
