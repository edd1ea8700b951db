#include "plot/compare_window.h"

#include "plot/chart_widget.h"
#include "plot/comparison_model.h"
#include "plot/file_follower.h"
#include "plot/plot_charts.h"
#include "plot/plot_document.h"
#include "plot/plot_output.h"
#include "render/graph_canvas.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace finplan::plot {

CompareWindow::CompareWindow(QWidget* parent)
    : PlotFrame(parent) {
    setObjectName(QStringLiteral("compareWindow"));
    setWindowTitle(QStringLiteral("Compare Scenarios - Financial Planner"));
    fileMenu()->insertAction(fileMenu()->actions().value(1),
                             fileMenu()->addAction(QStringLiteral("&Add Scenario..."), this,
                                                   &CompareWindow::chooseScenario));
    fileMenu()->addAction(QStringLiteral("&Export Table as CSV..."), this,
                          &CompareWindow::chooseExport);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* bar = new QHBoxLayout;
    layout->addLayout(bar);
    bar->addWidget(new QLabel(QStringLiteral("Compare:"), central));
    m_fields = new QComboBox(central);
    m_fields->setObjectName(QStringLiteral("comparedTotal"));
    for (int field = kFirstComparedField; field <= kLastComparedField; ++field) {
        m_fields->addItem(render::toQString(std::string(comparedFieldName(field))), field);
    }
    m_fields->setCurrentIndex(kNetWorthField - kFirstComparedField);
    bar->addWidget(m_fields);
    auto* add = new QPushButton(QStringLiteral("Add Scenario..."), central);
    add->setObjectName(QStringLiteral("addScenario"));
    bar->addWidget(add);
    auto* exportButton = new QPushButton(QStringLiteral("Export CSV..."), central);
    exportButton->setObjectName(QStringLiteral("exportCsv"));
    bar->addWidget(exportButton);
    bar->addStretch(1);

    auto* splitter = new QSplitter(Qt::Horizontal, central);
    m_chart = new ChartWidget(splitter);
    m_table = new QTableView(splitter);
    m_table->setObjectName(QStringLiteral("comparisonTable"));
    m_model = new ComparisonModel(m_table);
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);
    setCentralWidget(central);

    connect(m_fields, &QComboBox::currentIndexChanged, this,
            [this](int index) { setField(m_fields->itemData(index).toInt()); });
    connect(add, &QPushButton::clicked, this, &CompareWindow::chooseScenario);
    connect(exportButton, &QPushButton::clicked, this, &CompareWindow::chooseExport);
    m_follower = new FileFollower(this);
    connect(m_follower, &FileFollower::changed, this, &CompareWindow::reread);
    resize(1200, 640);
    update();
}

CompareWindow::~CompareWindow() = default;

const Comparison& CompareWindow::comparison() const {
    return m_model->comparison();
}

bool CompareWindow::addScenario(const QString& path) {
    const LoadedPlot loaded = loadPlotFile(path);
    if (loaded.error) {
        setProblem(*loaded.error);
        return false;
    }
    if (loaded.scenario() == nullptr) {
        setProblem(QStringLiteral("%1 holds a calculator's plot, not a scenario").arg(path));
        return false;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_entries.push_back({absolute, *loaded.scenario()});
    m_follower->follow(absolute);
    update();
    return true;
}

void CompareWindow::setField(int field) {
    m_field = field;
    const int index = m_fields->findData(field);
    if (index >= 0 && index != m_fields->currentIndex()) {
        m_fields->setCurrentIndex(index);
    }
    update();
}

void CompareWindow::reread(const QString& path) {
    for (Entry& entry : m_entries) {
        if (entry.path != path) {
            continue;
        }
        const LoadedPlot loaded = loadPlotFile(path);
        if (loaded.error || loaded.scenario() == nullptr) {
            setProblem(loaded.error.value_or(path));
            return;
        }
        entry.plot = *loaded.scenario();
    }
    setProblem({});
    update();
}

void CompareWindow::update() {
    std::vector<NamedPlot> plots;
    for (const Entry& entry : m_entries) {
        plots.push_back({plotDisplayName(entry.path).toStdString(), &entry.plot});
    }
    m_model->setComparison(compareScenarios(plots, m_field));
    m_chart->setChart(comparisonChart(m_model->comparison()));
    m_table->resizeColumnsToContents();
}

void CompareWindow::chooseScenario() {
    const QStringList paths =
        QFileDialog::getOpenFileNames(this, QStringLiteral("Add Scenario"), QString(),
                                      QStringLiteral("Plot Files (*.tvp *.tmp);;All Files (*)"));
    for (const QString& path : paths) {
        addScenario(path);
    }
}

void CompareWindow::chooseExport() {
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export Table"), QString(), QStringLiteral("CSV Files (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    const std::filesystem::path target(path.toStdString());
    const WriteResult result = exportCsv(target);
    if (!result) {
        QMessageBox::critical(this, QStringLiteral("FILE ERROR"),
                              QString::fromStdString(writeFailureText(target, result)));
    }
}

WriteResult CompareWindow::exportCsv(const std::filesystem::path& path) const {
    return writeFileReplacing(path, comparisonCsv(comparison()));
}

WriteResult CompareWindow::savePng(const std::filesystem::path& path) {
    return writeChartPng(path, m_chart->chart(), m_chart->size());
}

WriteResult CompareWindow::savePdf(const std::filesystem::path& path) {
    return writeChartPdf(path, m_chart->chart());
}

void CompareWindow::printTo(QPrinter& printer) {
    printChart(printer, m_chart->chart());
}

} // namespace finplan::plot
