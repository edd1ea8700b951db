#pragma once

#include "graphs/graph_view.h"
#include "graphs/plot_results.h"
#include "gui/graphs/graph_pages.h"
#include "model/app_settings.h"
#include "plot/plot_frame.h"
#include "plot/series_chart.h"
#include "render/graph_source.h"

#include <memory>
#include <optional>

class QTabBar;
class QVBoxLayout;

namespace finplan::gui {
class GraphWidget;
}

namespace finplan::plot {

class ChartWidget;
class FileFollower;

// The window of one file. A scenario's plot or graph file shows the main window's graph pages
// (summary, net worth, incoming/outgoing, incoming, outgoing, groups, the account blocks) with
// the same mouse and keys; a calculator's plot shows its chart. The window follows the file:
// when a run rewrites it, it redraws; a file it cannot read leaves the last drawing and says why.
class PlotWindow : public PlotFrame {
    Q_OBJECT
public:
    explicit PlotWindow(const QString& path, QWidget* parent = nullptr);
    ~PlotWindow() override;

    const QString& path() const { return m_path; }
    // The graph page now shown; none for a calculator's plot or an unreadable file.
    gui::GraphWidget* graphPage() const { return m_graphPage; }
    ChartWidget* chartWidget() const { return m_chart; }
    QTabBar* pageTabs() const { return m_tabs; }
    // What the file held when it was last read whole.
    const RunOutput& output() const { return m_results->output; }
    // How often the file has been read whole.
    int loads() const { return m_loads; }

    WriteResult savePng(const std::filesystem::path& path) override;
    WriteResult savePdf(const std::filesystem::path& path) override;
    void printTo(QPrinter& printer) override;

public Q_SLOTS:
    // Reads the file again and redraws; false (the old drawing kept) when it cannot be read.
    bool reload();

Q_SIGNALS:
    void reloaded();

private:
    void showScenario();
    void showSeries(const SeriesPlot& plot);
    void rebuildTabs();
    void showPage(int tab);
    render::GraphScene scene() const;

    QString m_path;
    FileFollower* m_follower = nullptr;
    QVBoxLayout* m_layout = nullptr;
    QTabBar* m_tabs = nullptr;
    gui::GraphWidget* m_graphPage = nullptr;
    ChartWidget* m_chart = nullptr;
    int m_loads = 0;
    int m_accountCount = -1;
    gui::GraphPageSpec m_spec;

    std::unique_ptr<PlotResults> m_results;
    AppSettings m_settings;
    GraphView m_view;
};

} // namespace finplan::plot
