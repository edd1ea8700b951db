#pragma once

#include "editing/editor_form.h"

namespace finplan::gui {

// The calculators laid out as forms: the keys are those the core's calculators read and
// answer, so the dialogs hand their texts over unchanged.
enum class CalculatorForm { Mortgage, Refinance, Accelerated, Inflation, Investment };

const EditorForm& calculatorForm(CalculatorForm which);

} // namespace finplan::gui
