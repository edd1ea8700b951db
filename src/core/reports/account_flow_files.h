#pragma once

#include "results/account_flows.h"

#include <string_view>

namespace finplan {

// The flows from the run's files: the account list from "infile.tmp", the amounts of both
// files summed per whole age and account. An amount line names its account; a name that
// several accounts share is booked to the first of them (the files cannot tell them apart,
// which is why a run that can hands its flows over directly).
AccountFlows parseAccountFlows(std::string_view incomingText, std::string_view outgoingText);

} // namespace finplan
