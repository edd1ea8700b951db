#pragma once

#include "editing/editor_kind.h"

#include <string>
#include <string_view>
#include <vector>

namespace finplan {

enum class FieldKind {
    Text,                  // an edit field the user types into
    CheckBox,              // "on" when checked, "" when not
    AccountPicker,         // the chosen account's id ("12"); "" when nothing is chosen
    AccountPickerWithNone, // as AccountPicker; "-1" is the first entry, "No Selection"
    Output,                // a computed or read-only value, shown but never read
    StaticText,            // a text the dialog shows, e.g. the account's name
    Button,                // a push button besides OK, Cancel and Help
};

// One control of an editor. `key` is the label in lower case with hyphens and the widget's
// object name; `label` is the text the dialog shows beside (or on) it.
struct FormField {
    std::string key;
    FieldKind kind = FieldKind::Text;
    std::string label;
    int maxLength = 0; // characters a text field takes; 0 for other kinds
};

// An editor dialog: its resource name, title and controls in dialog order.
struct EditorForm {
    EditorKind kind = EditorKind::Withdrawal;
    std::string dialogName;
    std::string title;
    std::vector<FormField> fields;

    const FormField* field(std::string_view key) const;
};

// The form of an editor; an empty form (no fields) for the kinds without one.
const EditorForm& editorForm(EditorKind kind);

} // namespace finplan
