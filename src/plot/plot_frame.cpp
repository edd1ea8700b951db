#include "plot/plot_frame.h"

#include "plot/plot_window.h"

#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>

namespace finplan::plot {

PlotFrame::PlotFrame(QWidget* parent)
    : QMainWindow(parent) {
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->addAction(QStringLiteral("&Open..."), QKeySequence::Open, this,
                          &PlotFrame::openFile);
    m_fileMenu->addAction(QStringLiteral("Save as P&NG..."), this, [this] { saveAs(false); });
    m_fileMenu->addAction(QStringLiteral("Save as P&DF..."), this, [this] { saveAs(true); });
    m_fileMenu->addAction(QStringLiteral("&Print..."), QKeySequence::Print, this,
                          &PlotFrame::print);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(QStringLiteral("&Close"), QKeySequence::Close, this, &QWidget::close);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setStyleSheet(QStringLiteral("color: #b00000"));
    statusBar()->addWidget(m_problem, 1);
}

QString PlotFrame::problem() const {
    return m_problem->text();
}

void PlotFrame::setProblem(const QString& text) {
    m_problem->setText(text);
}

void PlotFrame::openFile() {
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Open a Plot File"), QString(),
                                     QStringLiteral("Plot Files (*.tvp *.tmp);;All Files (*)"));
    if (!path.isEmpty()) {
        openPlotWindow(path);
    }
}

void PlotFrame::saveAs(bool pdf) {
    const QString path = QFileDialog::getSaveFileName(
        this, pdf ? QStringLiteral("Save as PDF") : QStringLiteral("Save as PNG"), QString(),
        pdf ? QStringLiteral("PDF Files (*.pdf)") : QStringLiteral("PNG Pictures (*.png)"));
    if (path.isEmpty()) {
        return;
    }
    const std::filesystem::path target(path.toStdString());
    const WriteResult result = pdf ? savePdf(target) : savePng(target);
    if (!result) {
        QMessageBox::critical(this, QStringLiteral("FILE ERROR"),
                              QString::fromStdString(writeFailureText(target, result)));
    }
}

void PlotFrame::print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        printTo(printer);
    }
}

PlotFrame* openPlotWindow(const QString& path) {
    auto* window = new PlotWindow(path);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

} // namespace finplan::plot
