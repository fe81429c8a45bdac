// The benchmark program: prints one figure per line (name, value, unit). Without arguments
// it runs every group of benchmarks; arguments name the groups to run ("editor", ...).

#include "BenchSupport.h"

#include <QApplication>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return bench::runAll(QCoreApplication::arguments().mid(1));
}
