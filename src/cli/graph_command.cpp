#include "cli/graph_command.h"

#include "cli/cli_planner.h"
#include "cli/offscreen_application.h"
#include "cli/run_command.h"
#include "graphs/account_pages.h"
#include "graphs/graph_view.h"
#include "platform/clock.h"
#include "render/graph_render.h"
#include "render/graph_source.h"

#include <QCoreApplication>

#include <charconv>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace finplan::cli {

namespace {

constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 768;
constexpr int kMinimumSide = 200;
constexpr int kMaximumSide = 8000;

std::optional<int> wholeNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Right double-clicks from the first style: lines, flat bars, 3-D bars.
std::optional<int> styleClicks(const std::string& style) {
    if (style == "lines") {
        return 1;
    }
    if (style == "bars") {
        return 2;
    }
    if (style == "3d") {
        return 3;
    }
    return std::nullopt;
}

// What the command line asks to draw.
struct GraphRequest {
    bool fourGraphView = false;
    GraphKind kind = GraphKind::NetWorth;
    GraphKind source = GraphKind::NetWorth;
    int clicks = 1;
    QSize size{kDefaultWidth, kDefaultHeight};
    std::optional<int> age;
    int accountPage = 1;
    std::optional<std::string> png;
    std::optional<std::string> pdf;
    std::optional<LocalDateTime> today;
    std::string workDir = ".";
};

void usage(const CliContext& context, const std::string& problem) {
    context.err << "finplan-cli: " << problem << '\n';
}

// The request, or a usage message and none.
std::optional<GraphRequest> readRequest(const CliContext& context, const CliArguments& args) {
    GraphRequest request;
    request.fourGraphView = args.has("--summary");
    const auto kindText = args.value("--kind");
    if (!kindText && !request.fourGraphView) {
        usage(context, "graph needs --kind N (1-7) or --summary");
        return std::nullopt;
    }
    if (kindText) {
        const auto number = wholeNumber(*kindText);
        const auto kind = number ? graphKindFromNumber(*number) : std::nullopt;
        if (!kind) {
            usage(context, "--kind takes a graph number from 1 to 7, got \"" + *kindText + "\"");
            return std::nullopt;
        }
        request.kind = *kind;
    }
    if (const auto text = args.value("--source")) {
        const auto number = wholeNumber(*text);
        const auto kind = number ? graphKindFromNumber(*number) : std::nullopt;
        if (!kind || *kind == GraphKind::Breakdown) {
            usage(context, "--source takes the graph a breakdown is taken from: 1-5 or 7");
            return std::nullopt;
        }
        request.source = *kind;
    }
    if (const auto text = args.value("--style")) {
        const auto clicks = styleClicks(*text);
        if (!clicks) {
            usage(context, "--style takes lines, bars or 3d, got \"" + *text + "\"");
            return std::nullopt;
        }
        request.clicks = *clicks;
    }
    if (const auto text = args.value("--size")) {
        const auto size = imageSize(*text);
        if (!size) {
            usage(context,
                  "--size takes WIDTHxHEIGHT, each from 200 to 8000, got \"" + *text + "\"");
            return std::nullopt;
        }
        request.size = *size;
    }
    if (const auto text = args.value("--year")) {
        request.age = wholeNumber(*text);
        if (!request.age) {
            usage(context, "--year takes a whole age, got \"" + *text + "\"");
            return std::nullopt;
        }
    }
    if (const auto text = args.value("--page")) {
        const auto page = wholeNumber(*text);
        if (!page || *page < 1) {
            usage(context, "--page takes the number of a block of ten accounts, from 1");
            return std::nullopt;
        }
        request.accountPage = *page;
    }
    if (const auto text = args.value("--today")) {
        request.today = parseToday(*text);
        if (!request.today) {
            usage(context,
                  "--today takes YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS, got \"" + *text + "\"");
            return std::nullopt;
        }
    }
    request.png = args.value("--png");
    request.pdf = args.value("--pdf");
    if (request.png.has_value() == request.pdf.has_value()) {
        usage(context, "graph needs exactly one of --png FILE and --pdf FILE");
        return std::nullopt;
    }
    request.workDir = args.value("--workdir").value_or(".");
    return request;
}

// The year index of a whole age in the run, if the run reached it.
std::optional<int> yearOfAge(const render::GraphScene& scene, int age) {
    for (int year = 0; year <= scene.lastYearIndex; ++year) {
        if (scene.wholeAgeOf(year) == age) {
            return year;
        }
    }
    return std::nullopt;
}

// The view as the clicks of a user would have set it.
void setUpView(GraphView& view, const GraphRequest& request, int year, int lastYearIndex) {
    if (request.fourGraphView) {
        view.enterFourGraphView();
        view.beginDrawing(lastYearIndex);
        // Entering the view drew lines already: the further styles follow it.
        for (int click = 1; click < request.clicks; ++click) {
            view.nextStyle();
        }
        view.selectAt(PlotPoint{0, year, 0.0f});
        return;
    }
    const bool breakdown = request.kind == GraphKind::Breakdown;
    view.showGraph(breakdown ? request.source : request.kind);
    view.beginDrawing(lastYearIndex);
    for (int click = 0; click < request.clicks; ++click) {
        view.nextStyle();
    }
    view.selectAt(PlotPoint{0, year, 0.0f});
    if (breakdown) {
        view.toggleBreakdown(PlotPoint{0, year, 0.0f});
    }
}

} // namespace

std::optional<QSize> imageSize(const std::string& text) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos) {
        return std::nullopt;
    }
    const auto width = wholeNumber(text.substr(0, x));
    const auto height = wholeNumber(text.substr(x + 1));
    if (!width || !height || *width < kMinimumSide || *height < kMinimumSide ||
        *width > kMaximumSide || *height > kMaximumSide) {
        return std::nullopt;
    }
    return QSize(*width, *height);
}

ExitCode runGraph(const CliContext& context, const CliArguments& arguments) {
    const std::optional<GraphRequest> request = readRequest(context, arguments);
    if (!request) {
        return ExitCode::Usage;
    }
    if (!ensureWorkDir(context, request->workDir)) {
        return ExitCode::WriteFailed;
    }
    CliPlanner planner(context, request->workDir, request->today);
    if (!planner->load(arguments.files[0])) {
        return ExitCode::ReadFailed;
    }
    // The graphs show the fixed rates: the generator is never asked.
    planner->setFixedSeed(0);
    planner->setGraphKind(
        graphNumber(request->fourGraphView ? GraphKind::NetWorth : request->kind));
    if (!planner->run()) {
        return ExitCode::ReadFailed;
    }
    const Scenario& scenario = planner->scenario();
    const AppSettings& settings = planner->settings();
    const RunOutput& output = planner->output();

    const OffscreenApplication application;
    const render::GraphSource source{scenario, output, settings};
    const bool accounts =
        request->kind == GraphKind::Accounts ||
        (request->kind == GraphKind::Breakdown && request->source == GraphKind::Accounts);
    int firstAccount = 0;
    int endAccount = 0;
    if (accounts && !request->fourGraphView) {
        const std::vector<AccountPage> pages = accountPages(scenario.accounts.usedCount());
        if (request->accountPage > static_cast<int>(pages.size())) {
            usage(context, "--page " + std::to_string(request->accountPage) +
                               ": the scenario has " + std::to_string(pages.size()) +
                               " block(s) of ten accounts");
            return ExitCode::Usage;
        }
        const AccountPage& page = pages[static_cast<std::size_t>(request->accountPage - 1)];
        firstAccount = page.first;
        endAccount = page.end;
    }
    const render::GraphScene scene = render::graphScene(source, firstAccount, endAccount);
    int year = 0;
    if (request->age) {
        const std::optional<int> found = yearOfAge(scene, *request->age);
        if (!found) {
            usage(context, "--year " + std::to_string(*request->age) + ": the run covers ages " +
                               std::to_string(scene.wholeAgeOf(0)) + " to " +
                               std::to_string(scene.wholeAgeOf(scene.lastYearIndex)));
            return ExitCode::Usage;
        }
        year = *found;
    }
    GraphView view;
    setUpView(view, *request, year, scene.lastYearIndex);

    const std::string path = request->png ? *request->png : *request->pdf;
    const WriteResult written = request->png
                                    ? render::writeGraphPng(path, view, scene, request->size)
                                    : render::writeGraphPdf(path, view, scene, settings.margins);
    if (!written) {
        context.err << "Cannot write " << writeFailureText(path, written) << '\n';
        return ExitCode::WriteFailed;
    }
    return ExitCode::Success;
}

} // namespace finplan::cli
