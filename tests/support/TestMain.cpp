#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <memory>

int main(int argc, char **argv)
{
    // A helper process started by a test shares the test's folders (inherited environment).
    if (TestRegistry::isChildInvocation(argc, argv)) {
        QApplication app(argc, argv);
        return TestRegistry::runChild(argc, argv);
    }
    // Settings, sockets and temporary files of a test run never touch the user's own.
    TestEnvironment environment;
    QApplication app(argc, argv);
    return TestRegistry::runAll(argc, argv) == 0 ? 0 : 1;
}
