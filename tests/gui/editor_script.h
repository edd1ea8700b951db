#pragma once

#include "gui/editors/dialog_runner.h"
#include "support/case_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <map>
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

// Plays a case's inputs on a dialog in their order: "key=text" types, "pick:key=name" chooses,
// "tick:key" clicks a check box, "press:key" a button; "command" is the caller's.
inline void play(QDialog& dialog, const KeyValues& steps) {
    for (const auto& [key, value] : steps) {
        const std::size_t colon = key.find(':');
        const std::string verb = colon == std::string::npos ? "" : key.substr(0, colon);
        const std::string name = key.substr(colon + 1);
        if (verb == "pick") {
            pick(dialog, name, value);
        } else if (verb == "tick") {
            tick(dialog, name);
        } else if (verb == "press") {
            press(dialog, name);
        } else if (key != "command") {
            type(dialog, key, value);
        }
    }
}

} // namespace finplan::test
