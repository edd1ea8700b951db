#pragma once

#include "model/safe_write.h"

#include <QMainWindow>

#include <filesystem>

class QLabel;
class QPrinter;

namespace finplan::plot {

// What every window of the plot program shares: the File menu (Open, Save as PNG, Save as PDF,
// Print, Close) and a line that tells what went wrong with a file.
class PlotFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit PlotFrame(QWidget* parent = nullptr);

    // The last problem with a file; empty when there is none.
    QString problem() const;

    virtual WriteResult savePng(const std::filesystem::path& path) = 0;
    virtual WriteResult savePdf(const std::filesystem::path& path) = 0;
    virtual void printTo(QPrinter& printer) = 0;

protected:
    void setProblem(const QString& text);
    QMenu* fileMenu() const { return m_fileMenu; }

private:
    void openFile();
    void saveAs(bool pdf);
    void print();

    QMenu* m_fileMenu = nullptr;
    QLabel* m_problem = nullptr;
};

// Opens a window for the file (the graph window, or the calculator plot the file holds); it
// is deleted when closed.
PlotFrame* openPlotWindow(const QString& path);

} // namespace finplan::plot
