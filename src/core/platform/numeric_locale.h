#pragma once

namespace finplan {

// Puts the process's numbers back in the "C" locale: a decimal point, no grouping. The files
// and texts the program writes and reads with printf and strtof have a fixed format, but a Qt
// application object adopts the user's locale (a comma for the point under German) when it
// starts. Call it at start-up, after any such object exists, before other threads run.
void useCNumericLocale();

} // namespace finplan
