#pragma once

#include "calculators/calc_fields.h"
#include "editing/event_editor.h"
#include "platform/clock.h"

#include <map>
#include <string>
#include <vector>

namespace finplan {

// What one editor's load and submit steps work on; shared by the forms, not by callers.
struct FormContext {
    Scenario& scenario;
    int index; // the record edited; -1 for Initial Values
    bool isNew;
    const Clock& clock;
    EventEditor::State& state;

    EventRecord& event() { return scenario.events[static_cast<std::size_t>(index)]; }
};

// The texts and picker entries an editor opens with.
struct FormLoad {
    FieldTexts texts;
    std::map<std::string, std::vector<PickerChoice>, std::less<>> choices;
};

// How far a submit goes: Calculate stops after the computed result, OK stores the event.
enum class SubmitStage { Calculate, Store };

// Per editor: fill the texts on opening; check and store on Calculate or OK. A refusal is
// returned, not shown.
void loadWithdrawal(FormContext& context, FormLoad& load);
CalcResult submitWithdrawal(FormContext& context, const FieldTexts& fields, SubmitStage stage);
void loadDeposit(FormContext& context, FormLoad& load);
CalcResult submitDeposit(FormContext& context, const FieldTexts& fields, SubmitStage stage);
void loadTransfer(FormContext& context, FormLoad& load);
CalcResult submitTransfer(FormContext& context, const FieldTexts& fields, SubmitStage stage);
void loadFundamentals(FormContext& context, FormLoad& load);
CalcResult submitFundamentals(FormContext& context, const FieldTexts& fields, SubmitStage stage);
void loadInitialValues(FormContext& context, FormLoad& load);
CalcResult submitInitialValues(FormContext& context, const FieldTexts& fields, SubmitStage stage);
// "Use Birthday" clicked.
CalcResult toggleUseBirthday(FormContext& context, FieldTexts& fields);
void loadLoan(FormContext& context, FormLoad& load);
CalcResult submitLoan(FormContext& context, const FieldTexts& fields, SubmitStage stage);
void loadMortgage(FormContext& context, FormLoad& load);
CalcResult submitMortgage(FormContext& context, const FieldTexts& fields, SubmitStage stage);
void loadCreditCard(FormContext& context, FormLoad& load);
CalcResult submitCreditCard(FormContext& context, const FieldTexts& fields, SubmitStage stage);

} // namespace finplan
