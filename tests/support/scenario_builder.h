#pragma once

#include "model/scenario.h"

#include <string_view>

namespace finplan::test {

// Builds a scenario from short lines, one per setting, account or event:
//
//   header start=60 end=63 tax=15 inflation=0
//   account name=Bank kind=taxfree amount=1000 rate=5
//   deposit name=Pay start=60 end=70 amount=1000 adjust=3 to=Bank
//
// The first word says what the line adds, the rest are key=value pairs; a value with blanks
// is quoted (name="Boat loan"). Accounts are named by their names, or by #id for a raw id
// that may name no account. What a line leaves out keeps its new-scenario value, events
// their empty-record value. An unknown word, key or account name throws, naming the line.
// The known-answer cases under tests/data are written in the same lines.
//
// Line words and their keys:
//   header     start end tax inflation penalty-age penalty-rate file
//   birthday   month day use(1)
//   group      index name min max
//   random     distribution range-spread std-spread
//   account    name kind(investment|taxfree|retirement|asset|equity) amount rate order group
//              min max penalty(age) penalty-rate rmd(table) allocation id slot
//   rates      name age tax inflation account rate              (Fundamentals)
//   deposit    name start end once amount adjust inflation to before-tax
//   withdrawal name start end once amount adjust inflation from
//   transfer   name start end once amount adjust inflation from to all
//   loan       name start payoff price down rate years payment sell to appreciation pay-from
//   card       name start payoff balance rate payment purchases months pay-years interest from
//   mortgage   name start payoff amount down rate years payment appreciation sell selling tax
//              tax-inflation closing keep-down extra extra-mode pay-from
//   budget     number name start end from        (the budget and its withdrawal event)
//   item       budget name amount monthly apply inflation track   (default: the last budget)
//   old-budget name start end amount number
//   allocation start minimum mode name
//   rmd        table start name divisors(a,b,...) to distribution penalty
class ScenarioBuilder {
public:
    // Adds to `target` as it is; see `makeScenario` for a new one.
    explicit ScenarioBuilder(Scenario& target)
        : m_scenario(target) {}

    // Adds one or more lines; blank lines and lines starting with '#' are skipped.
    ScenarioBuilder& add(std::string_view lines);

    AccountRecord& account(std::string_view name);

private:
    void addLine(std::string_view line);

    Scenario& m_scenario;
    int m_lastBudget = 0;
};

// A new scenario (every block reset) with the lines added.
Scenario makeScenario(std::string_view lines);

} // namespace finplan::test
