#pragma once

#include "calculators/calc_fields.h"
#include "model/event_record.h"

namespace finplan {

// What the mortgage calculator and the mortgage editor hand to each other and to the analyses.

// "Use this mortgage in plan": the mortgage editor's amount, down payment, rate and years from
// the calculator's texts, unchanged.
FieldTexts mortgageEditorFields(const FieldTexts& calculator);

// The refinance analysis's existing mortgage from a mortgage event: its start age (whole), the
// amount borrowed, the rate and the term.
void fillExistingMortgage(FieldTexts& refinance, const EventRecord& mortgage);

// "Do Accelerated Payment Analysis": the amount borrowed, the term, the rate and the years
// left from the mortgage editor's fields (fewer when the mortgage started before the
// scenario), and a non-zero extra payment. Refuses an extra payment outside 0 to 100,000 as
// the editor does; the accelerated fields are then unchanged.
CalcResult handAcceleratedFields(const FieldTexts& editor, float scenarioStartAge,
                                 FieldTexts& accelerated);

} // namespace finplan
