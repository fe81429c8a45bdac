#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Settings, sockets and temporary files of a test run never touch the user's own.
    TestEnvironment environment;
    QApplication app(argc, argv);
    return TestRegistry::runAll(argc, argv) == 0 ? 0 : 1;
}
