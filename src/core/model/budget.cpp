#include "model/budget.h"

namespace finplan {

std::string defaultBudgetName(int number) {
    return "Budget " + std::to_string(number);
}

} // namespace finplan
