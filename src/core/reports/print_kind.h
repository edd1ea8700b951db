#pragma once

#include <string>
#include <string_view>

namespace finplan {

// What a printed page set holds; the numbers are the ones the report window and the
// calculators hand to the printer.
enum class PrintKind {
    Schedule = 0,
    NetWorth = 1,
    Incoming = 2,
    Outgoing = 3,
    Accounts = 4,
    Groups = 5,
    IncomingEvents = 6,
    OutgoingEvents = 7,
    AccountFlow = 8,
    AgeIncoming = 9,
    AgeOutgoing = 10,
    Budget = 11,
    Mortgage = 12,
    BudgetSheet = 13,
    Refinance = 14,
};

// A print kind from its number; the schedule for anything out of range.
PrintKind printKindFromNumber(int number);

// The name a set of pages goes by: the caller's title for the budget and mortgage tables,
// the age for the selected-age reports.
struct PrintName {
    PrintKind kind = PrintKind::Schedule;
    std::string callerTitle;
    int age = 0;
};

// The report's name on its title page.
std::string titlePageName(const PrintName& name);

// The report's name in the title block of a page: the first page centres it, the later ones
// set it to the left with a leading blank.
std::string pageBlockName(const PrintName& name, int pageNumber);

} // namespace finplan
