#pragma once

#include "graphs/plot_input.h"
#include "graphs/scenario_comparison.h"
#include "plot/plot_frame.h"

#include <QStringList>

#include <vector>

class QComboBox;
class QTableView;

namespace finplan::plot {

class ChartWidget;
class ComparisonModel;
class FileFollower;

// Several scenarios laid over each other: one line per scenario for the chosen total (net worth
// at first), named by its file, and beside it the table of each age's values and differences to
// the first scenario, which can be exported as CSV. Scenarios are added from their plot or graph
// files; the files are followed, so a new run of the first one shows at once.
class CompareWindow : public PlotFrame {
    Q_OBJECT
public:
    explicit CompareWindow(QWidget* parent = nullptr);
    ~CompareWindow() override;

    // Adds the scenario of a plot or graph file; false, with the problem shown, when the file
    // cannot be read or holds no scenario.
    bool addScenario(const QString& path);
    void setField(int field);

    const Comparison& comparison() const;
    ChartWidget* chartWidget() const { return m_chart; }
    QTableView* table() const { return m_table; }
    WriteResult exportCsv(const std::filesystem::path& path) const;

    WriteResult savePng(const std::filesystem::path& path) override;
    WriteResult savePdf(const std::filesystem::path& path) override;
    void printTo(QPrinter& printer) override;

private:
    struct Entry {
        QString path;
        ScenarioPlot plot;
    };

    void chooseScenario();
    void chooseExport();
    void reread(const QString& path);
    void update();

    std::vector<Entry> m_entries;
    int m_field = kNetWorthField;
    QComboBox* m_fields = nullptr;
    ChartWidget* m_chart = nullptr;
    QTableView* m_table = nullptr;
    ComparisonModel* m_model = nullptr;
    FileFollower* m_follower = nullptr;
};

} // namespace finplan::plot
