#include "gui/help/help_topics.h"

#include "gui/shell/command_ids.h"

#include <array>

namespace finplan::gui {

namespace {

struct Place {
    const char* page;
    const char* anchor;
};

HelpTopic topic(const Place& place) {
    return {QString::fromLatin1(place.page), QString::fromLatin1(place.anchor)};
}

struct ContextPlace {
    int context;
    Place place;
};

constexpr std::array kContexts = {
    ContextPlace{515, {"schedule.html", "results-views"}},
    ContextPlace{260, {"calculators.html", "refinance-details"}},
    ContextPlace{1536, {"calculators.html", "mortgage"}},
    ContextPlace{1537, {"calculators.html", "refinance"}},
    ContextPlace{1540, {"calculators.html", "trade-off"}},
    ContextPlace{1555, {"calculators.html", "accelerated"}},
    ContextPlace{1556, {"calculators.html", "taxes-inflation"}},
    ContextPlace{1558, {"calculators.html", "effective-rate"}},
    ContextPlace{1559, {"reports.html", "report-options"}},
};

struct DialogPlace {
    std::string_view dialog;
    Place place;
};

// By the names the dialogs carry (their forms' resource names).
constexpr std::array kDialogs = {
    DialogPlace{"withdrawal", {"events.html", "withdrawal"}},
    DialogPlace{"income", {"events.html", "deposit"}},
    DialogPlace{"transfer", {"events.html", "transfer"}},
    DialogPlace{"fundamentals", {"events.html", "fundamentals"}},
    DialogPlace{"account", {"events.html", "fundamentals"}},
    DialogPlace{"initial", {"preferences.html", ""}},
    DialogPlace{"loan", {"events.html", "loan"}},
    DialogPlace{"mortgage", {"events.html", "mortgage"}},
    DialogPlace{"ccard", {"events.html", "credit-card"}},
    DialogPlace{"assetallocation", {"funding.html", "allocation"}},
    DialogPlace{"mrw", {"events.html", "rmd"}},
    DialogPlace{"mrdtable", {"rmd.html", ""}},
    DialogPlace{"budget", {"events.html", "budget"}},
    DialogPlace{"groups", {"scenario.html", "groups"}},
    DialogPlace{"pref", {"preferences.html", ""}},
    DialogPlace{"reportopt", {"reports.html", "report-options"}},
    DialogPlace{"pagesetup", {"reports.html", ""}},
    DialogPlace{"accountinfo", {"scenario.html", "accounts-editor"}},
    DialogPlace{"eventlist", {"events.html", "event-list"}},
    DialogPlace{"import", {"files.html", ""}},
    DialogPlace{"accountfile", {"files.html", ""}},
    DialogPlace{"mortgagec", {"calculators.html", "mortgage"}},
    DialogPlace{"refinance", {"calculators.html", "refinance"}},
    DialogPlace{"accel", {"calculators.html", "accelerated"}},
    DialogPlace{"inflate", {"calculators.html", "inflation"}},
    DialogPlace{"taxinf", {"calculators.html", "taxes-inflation"}},
    DialogPlace{"cardpayoff", {"calculators.html", "card-payoff"}},
};

constexpr int kQuickTipCount = 13;

} // namespace

QUrl HelpTopic::url() const {
    QUrl url(QStringLiteral("qrc:/help/") + page);
    if (!anchor.isEmpty()) {
        url.setFragment(anchor);
    }
    return url;
}

HelpTopic helpContents() {
    return {QStringLiteral("index.html"), {}};
}

std::optional<HelpTopic> helpTopicForContext(int context) {
    for (const ContextPlace& entry : kContexts) {
        if (entry.context == context) {
            return topic(entry.place);
        }
    }
    return std::nullopt;
}

std::optional<HelpTopic> helpTopicForCommand(int command) {
    if (command == command::HelpContents || command == command::Manual) {
        return helpContents();
    }
    if (command == command::HelpOnHelp) {
        return HelpTopic{QStringLiteral("help_on_help.html"), {}};
    }
    // The tips are 776 to 787, then 789: 788 is no tip.
    if (command >= command::QuickTipFirst && command <= command::QuickTipLast &&
        command != command::QuickTipNoAction) {
        const int tip =
            command - command::QuickTipFirst + (command > command::QuickTipNoAction ? 0 : 1);
        return HelpTopic{QStringLiteral("quick_tips.html"), QStringLiteral("tip%1").arg(tip)};
    }
    return std::nullopt;
}

std::optional<HelpTopic> helpTopicForDialog(std::string_view dialog) {
    for (const DialogPlace& entry : kDialogs) {
        if (entry.dialog == dialog) {
            return topic(entry.place);
        }
    }
    return std::nullopt;
}

std::vector<int> helpContextNumbers() {
    std::vector<int> numbers;
    for (const ContextPlace& entry : kContexts) {
        numbers.push_back(entry.context);
    }
    return numbers;
}

std::vector<int> helpCommands() {
    std::vector<int> commands = {command::HelpContents, command::HelpOnHelp, command::Manual};
    for (int id = command::QuickTipFirst; id <= command::QuickTipLast; ++id) {
        if (id != command::QuickTipNoAction) {
            commands.push_back(id);
        }
    }
    static_assert(command::QuickTipLast - command::QuickTipFirst == kQuickTipCount);
    return commands;
}

std::vector<std::string_view> helpDialogs() {
    std::vector<std::string_view> dialogs;
    for (const DialogPlace& entry : kDialogs) {
        dialogs.push_back(entry.dialog);
    }
    return dialogs;
}

} // namespace finplan::gui
