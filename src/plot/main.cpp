#include "platform/numeric_locale.h"
#include "plot/plot_arguments.h"
#include "plot/plot_program.h"

#include <QApplication>

#include <iostream>

int main(int argc, char** argv) {
    using namespace finplan::plot;
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const auto parsed = parsePlotArguments(arguments);
    if (const auto* problem = std::get_if<QString>(&parsed)) {
        std::cerr << "finplan-plot: " << problem->toStdString() << '\n' << kPlotUsage;
        return kExitUsage;
    }
    const auto& plotArguments = std::get<PlotArguments>(parsed);
    if (plotArguments.help) {
        std::cout << kPlotUsage;
        return 0;
    }
    if (plotArguments.grab && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("finplan-plot"));
    finplan::useCNumericLocale();
    return plotArguments.grab ? grabPlotWindow(plotArguments, std::cerr)
                              : runPlotWindows(plotArguments, std::cerr);
}
