#pragma once

#include "calculators/calc_fields.h"
#include "support/case_file.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace finplan::test {

// One editor a session of a data file drives: the form as typed so far, the messages shown and
// the result of the last button.
template <class Editor>
struct EditorPlay {
    Editor* editor = nullptr;
    FieldTexts fields;
    const ScriptedDialogs* dialogs = nullptr;
    CalcResult last;
};

// The verb of a step "verb:key" and its key ("" when it has none).
inline std::pair<std::string, std::string> verbOf(const std::string& step) {
    const std::size_t colon = step.find(':');
    return {step.substr(0, colon), colon == std::string::npos ? "" : step.substr(colon + 1)};
}

// Takes a step every editor's sessions know, and says whether it was one: "click:key" ticks a box
// and clicks it, "ok" presses OK, "blank" empties the form. Checks: "accepted", "refused" or
// "refused=TITLE" (the last button), "boxes=TITLE|text" (the messages so far, a line each),
// "shown:key=text" (the form), "opened:key=text" (as the editor opened), "disabled=key,key",
// "closed=yes|no".
template <class Editor>
bool playEditorStep(EditorPlay<Editor>& play, const std::string& step, const std::string& value) {
    const auto [verb, key] = verbOf(step);
    Editor& editor = *play.editor;
    if (verb == "click") {
        play.fields[key] = "on";
        if constexpr (requires { play.last = editor.click(key, play.fields); }) {
            play.last = editor.click(key, play.fields);
        } else if constexpr (requires { editor.click(key, play.fields); }) {
            editor.click(key, play.fields);
        }
    } else if (verb == "ok") {
        play.last = editor.ok(play.fields);
    } else if (verb == "blank") {
        play.fields.clear();
    } else if (verb == "accepted") {
        EXPECT_TRUE(play.last.accepted());
    } else if (verb == "refused") {
        EXPECT_TRUE(play.last.refusal.has_value());
        EXPECT_EQ(value.empty() || !play.last.refusal ? "" : play.last.refusal->title, value);
    } else if (verb == "boxes") {
        EXPECT_EQ(play.dialogs->transcript(), value);
    } else if (verb == "shown") {
        EXPECT_EQ(play.fields.at(key), value);
    } else if (verb == "opened") {
        EXPECT_EQ(editor.texts().at(key), value);
    } else if (verb == "disabled") {
        const auto keys = partsOf(value, ',');
        EXPECT_EQ(editor.disabledFields(play.fields),
                  std::set<std::string>(keys.begin(), keys.end()));
    } else if (verb == "closed") {
        EXPECT_EQ(editor.closed(), value == "yes");
    } else {
        return false;
    }
    return true;
}

} // namespace finplan::test
