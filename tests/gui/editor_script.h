#pragma once

#include "gui/editors/dialog_runner.h"
#include "support/case_file.h"
#include "support/scripted_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace finplan::test {

// Plays the person at the modal dialogs the editors open: each dialog gets the script kept for
// its object name (or none), and is then closed without OK if the script left it open.
class EditorScript {
public:
    using Step = std::function<void(QDialog&)>;

    void on(const std::string& dialogName, Step step) { m_steps[dialogName] = std::move(step); }
    std::vector<std::string> opened; // the object names, in order

    gui::DialogRunner runner() {
        return [this](QDialog& dialog) {
            opened.push_back(dialog.objectName().toStdString());
            dialog.show();
            if (const auto found = m_steps.find(opened.back()); found != m_steps.end()) {
                found->second(dialog);
            }
            if (dialog.isVisible()) {
                dialog.reject();
            }
        };
    }

private:
    std::map<std::string, Step> m_steps;
};

template <class Widget>
Widget* control(QDialog& dialog, const std::string& key) {
    auto* widget = dialog.findChild<Widget*>(QString::fromStdString(key));
    EXPECT_NE(widget, nullptr) << dialog.objectName().toStdString() << " has no " << key;
    return widget;
}

inline void type(QDialog& dialog, const std::string& key, const std::string& text) {
    if (auto* edit = control<QLineEdit>(dialog, key)) {
        edit->setText(QString::fromStdString(text));
    }
}

inline std::string shown(QDialog& dialog, const std::string& key) {
    auto* edit = control<QLineEdit>(dialog, key);
    return edit != nullptr ? edit->text().trimmed().toStdString() : std::string();
}

inline void press(QDialog& dialog, const std::string& key) {
    if (auto* button = control<QPushButton>(dialog, key)) {
        button->click();
    }
}

inline void tick(QDialog& dialog, const std::string& key) {
    if (auto* box = control<QCheckBox>(dialog, key)) {
        box->click();
    }
}

// Chooses a picker's entry by its text, as the person does.
inline void pick(QDialog& dialog, const std::string& key, const std::string& name) {
    if (auto* picker = control<QComboBox>(dialog, key)) {
        const int index = picker->findText(QString::fromStdString(name));
        EXPECT_GE(index, 0) << key << " does not offer " << name;
        picker->setCurrentIndex(index);
    }
}

inline std::string tableCell(QDialog& dialog, const std::string& at) {
    auto* table = control<QTableView>(dialog, "table");
    const std::size_t comma = at.find(',');
    return table == nullptr
               ? std::string()
               : table->model()
                     ->index(std::stoi(at.substr(0, comma)), std::stoi(at.substr(comma + 1)))
                     .data()
                     .toString()
                     .toStdString();
}

// Plays a case's steps on a dialog in their order. Actions: "key=text" types, "pick:key=name"
// chooses, "tick:key" clicks a check box, "set:key=yes|no" sets one, "radio:key" checks a radio
// button, "spin:key=n" sets an up-down control, "press:key" presses a button, "accept" accepts.
// Checks: "shown:key=text" (trimmed), "raw:key=text", "enabled:key=yes|no", "checked:key=yes|no",
// "text:key=label" of a button, "title=text", "open=yes|no", "focus=key", "boxes=TITLE|text" (the
// message boxes so far, one a line), and of the dialog's table "cell:row,column=text", "rows=n",
// "min-rows=n". "command" and "dialog" name what opens it.
inline void play(QDialog& dialog, const KeyValues& steps, const ScriptedDialogs* boxes = nullptr) {
    for (const auto& [key, value] : steps) {
        SCOPED_TRACE(key);
        const std::size_t colon = key.find(':');
        const std::string verb = colon == std::string::npos ? "" : key.substr(0, colon);
        const std::string name = key.substr(colon + 1);
        if (verb == "pick") {
            pick(dialog, name, value);
        } else if (verb == "tick") {
            tick(dialog, name);
        } else if (verb == "set") {
            control<QAbstractButton>(dialog, name)->setChecked(value == "yes");
        } else if (verb == "radio") {
            control<QRadioButton>(dialog, name)->setChecked(true);
        } else if (verb == "spin") {
            control<QSpinBox>(dialog, name)->setValue(std::stoi(value));
        } else if (verb == "press") {
            press(dialog, name);
        } else if (verb == "shown") {
            EXPECT_EQ(shown(dialog, name), value);
        } else if (verb == "raw") {
            EXPECT_EQ(control<QLineEdit>(dialog, name)->text().toStdString(), value);
        } else if (verb == "cell") {
            EXPECT_EQ(tableCell(dialog, name), value);
        } else if (key == "rows" || key == "min-rows") {
            const int rows = control<QTableView>(dialog, "table")->model()->rowCount();
            EXPECT_TRUE(key == "rows" ? rows == std::stoi(value) : rows >= std::stoi(value))
                << rows;
        } else if (verb == "enabled") {
            EXPECT_EQ(control<QWidget>(dialog, name)->isEnabled() ? "yes" : "no", value);
        } else if (verb == "text") {
            EXPECT_EQ(control<QAbstractButton>(dialog, name)->text().toStdString(), value);
        } else if (verb == "checked") {
            EXPECT_EQ(control<QAbstractButton>(dialog, name)->isChecked() ? "yes" : "no", value);
        } else if (key == "title") {
            EXPECT_EQ(dialog.windowTitle().toStdString(), value);
        } else if (key == "open") {
            EXPECT_EQ(dialog.isVisible() ? "yes" : "no", value);
        } else if (key == "accept") {
            dialog.accept();
        } else if (key == "focus") {
            ASSERT_NE(dialog.focusWidget(), nullptr);
            EXPECT_EQ(dialog.focusWidget()->objectName().toStdString(), value);
        } else if (key == "boxes") {
            ASSERT_NE(boxes, nullptr);
            EXPECT_EQ(boxes->transcript(), value);
        } else if (key != "command" && key != "dialog") {
            type(dialog, key, value);
        }
    }
}

// Scripts the dialogs from the lines of a file under tests/data whose word is `session`: each
// names its dialog and the steps played on it.
inline void scriptSession(EditorScript& script, const std::string& file, const std::string& session,
                          const ScriptedDialogs& boxes) {
    // A dialog named on several lines plays them at its successive openings.
    std::map<std::string, std::shared_ptr<std::deque<CaseLine>>> lines;
    for (const CaseLine& c : readCases(file, session)) {
        auto& queue = lines[c.input("dialog")];
        queue = queue ? queue : std::make_shared<std::deque<CaseLine>>();
        queue->push_back(c);
    }
    for (const auto& [name, queue] : lines) {
        script.on(name, [queue, &boxes](QDialog& dialog) {
            ASSERT_FALSE(queue->empty()) << "opened once more than scripted";
            const CaseLine c = queue->front();
            queue->pop_front();
            SCOPED_TRACE(c.where);
            play(dialog, c.inputs, &boxes);
        });
    }
}

} // namespace finplan::test
