#include "support/TestRegistry.h"

#include <QByteArray>
#include <QTest>
#include <memory>

bool TestRegistry::add(const char *name, Factory factory)
{
    entries().push_back({name, std::move(factory)});
    return true;
}

std::vector<TestRegistry::Entry> &TestRegistry::entries()
{
    static std::vector<Entry> all;
    return all;
}

// KESTREL_TEST_CLASS=Name runs one class only, which keeps test function filters usable.
int TestRegistry::runAll(int argc, char **argv)
{
    const QByteArray only = qgetenv("KESTREL_TEST_CLASS");
    int failures = 0;
    for (const Entry &entry : entries()) {
        if (!only.isEmpty() && only != entry.name)
            continue;
        std::unique_ptr<QObject> test(entry.factory());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures;
}
