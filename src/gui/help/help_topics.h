#pragma once

#include <QString>
#include <QUrl>

#include <optional>
#include <string_view>
#include <vector>

namespace finplan::gui {

// A place in the help manual: a page of the manual's resources and an anchor on it (empty for
// the top of the page).
struct HelpTopic {
    QString page;
    QString anchor;

    QUrl url() const;
    friend bool operator==(const HelpTopic&, const HelpTopic&) = default;
};

// The manual's contents page.
HelpTopic helpContents();

// The topic of a help context number that dialogs and result windows pass (515 the result
// views, 1536 the mortgage calculator, ...); none for a number the manual does not know.
std::optional<HelpTopic> helpTopicForContext(int context);

// The topic of a Help menu command: contents (F1), help on help (F4), the manual (F10) and the
// thirteen quick tips.
std::optional<HelpTopic> helpTopicForCommand(int command);

// The topic of a dialog by its resource name ("income", "mortgage", "ccard", ...).
std::optional<HelpTopic> helpTopicForDialog(std::string_view dialog);

// Every context number, command and dialog the map knows, for checks that each resolves.
std::vector<int> helpContextNumbers();
std::vector<int> helpCommands();
std::vector<std::string_view> helpDialogs();

} // namespace finplan::gui
