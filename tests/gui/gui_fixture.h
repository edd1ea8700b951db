#pragma once

#include "app/planner.h"
#include "gui/platform/file_chooser.h"
#include "gui/printing/printer_chooser.h"
#include "gui/shell/main_window.h"
#include "model/sample_scenario.h"
#include "model/scenario_image.h"
#include "model/text_field.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace finplan::test {

// File dialogs answered from a script; every request is recorded. An unscripted dialog is
// cancelled.
class ScriptedFiles : public gui::FileChooser {
public:
    std::vector<gui::FileRequest> requests;
    std::deque<std::optional<std::string>> answers;

    std::optional<std::string> choose(const gui::FileRequest& request) override {
        requests.push_back(request);
        if (answers.empty()) {
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool isOpen() const override { return false; }
};

// Cancels every print dialog, telling `asked` first.
class CancelledPrint : public gui::PrinterChooser {
public:
    explicit CancelledPrint(std::function<void()> asked)
        : m_asked(std::move(asked)) {}
    bool choose(QWidget*, QPrinter&, int, bool, PrintChoice&) override {
        m_asked();
        return false;
    }

private:
    std::function<void()> m_asked;
};

inline constexpr LocalDateTime kGuiToday{2026, 12, 6, 10, 11, 12};
inline constexpr const char* kGuiTodayText = "2026-12-06T10:11:12";

// The real main window over a planner in a temporary work directory that holds a copy of the
// sample scenario; message boxes and file dialogs are scripted, the clock is fixed.
class GuiTest : public ::testing::Test {
protected:
    GuiTest() { writeAll(samplePath(), encodeScenarioImage(makeSampleScenario())); }

    std::string samplePath() const { return (dir / "sample.RET").string(); }

    void openWindow(std::optional<std::string> scenario, CommandLineSwitches switches = {}) {
        planner.prepare(switches);
        window = std::make_unique<gui::MainWindow>(planner, dialogs, files);
        window->show();
        planner.openAtStart(scenario);
        window->startUp();
        settle();
    }
    void openSample(CommandLineSwitches switches = {}) { openWindow(samplePath(), switches); }

    // Lets queued work and deferred deletions happen, as the message loop would.
    static void settle() {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A double-click on an item is a click and then a second press, as the mouse gives them.
    static void doubleClick(QAbstractItemView* view, const QModelIndex& index) {
        view->scrollTo(index);
        const QPoint at = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        settle();
    }

    // Chooses a folder tab as a click on it does.
    template <class PageType>
    PageType* chooseFolder(int index) {
        window->folders()->setCurrentIndex(index);
        settle();
        return qobject_cast<PageType*>(window->currentPage());
    }

    QString title() const { return window->windowTitle(); }

    TempDir dir;
    ScriptedDialogs dialogs;
    ScriptedFiles files;
    FixedClock clock{kGuiToday};
    Planner planner{dir.path(), dialogs, clock};
    std::unique_ptr<gui::MainWindow> window;
};

// The window over the sample scenario.
class SampleWindowTest : public GuiTest {
protected:
    void SetUp() override { openSample(); }
};

// The used events of a scenario that carry a name, in table order.
inline std::vector<const EventRecord*> eventsNamed(const Scenario& s, const std::string& name) {
    std::vector<const EventRecord*> found;
    for (int i = 0; i < s.usedEventCount(); ++i) {
        if (fieldText(s.events[static_cast<std::size_t>(i)].name) == name) {
            found.push_back(&s.events[static_cast<std::size_t>(i)]);
        }
    }
    return found;
}

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace finplan::test
