#include "platform/numeric_locale.h"

#include <clocale>

namespace finplan {

void useCNumericLocale() {
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace finplan
