#pragma once

#include "calculators/calc_fields.h"
#include "model/scenario.h"

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace finplan::gui {

// The calculators the editors open: the mortgage editor's on the mortgage being edited, and
// the effective-rate calculator whose answer goes into the opening dialog's rate field.
class CalculatorTools {
public:
    virtual ~CalculatorTools() = default;

    // The year-by-year schedule of the mortgage as the editor's fields left it.
    virtual void showSchedule(const EventRecord& mortgage, float scenarioStartAge,
                              QWidget& parent) = 0;
    // The refinance analysis of the mortgage at `index`; the scenario with the refinanced
    // mortgage added when the analysis created it.
    virtual std::optional<Scenario> refinance(const Scenario& scenario, int index,
                                              QWidget& parent) = 0;
    // The accelerated payment analysis on the editor's fields; the field to return to when
    // they were refused (the message has been shown).
    virtual std::optional<std::string> accelerated(const FieldTexts& editorFields,
                                                   float scenarioStartAge, QWidget& parent) = 0;
    // The effective-rate calculator; "Use This Effective Yearly Rate" gives `use` its text.
    virtual void effectiveRate(const std::function<void(const std::string&)>& use,
                               QWidget& parent) = 0;
};

} // namespace finplan::gui
