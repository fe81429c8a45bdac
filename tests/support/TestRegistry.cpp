#include "support/TestRegistry.h"

#include <QByteArray>
#include <QTest>
#include <cstring>
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

bool TestRegistry::addChild(const char *name, ChildMain childMain)
{
    children().emplace_back(name, std::move(childMain));
    return true;
}

std::vector<std::pair<const char *, TestRegistry::ChildMain>> &TestRegistry::children()
{
    static std::vector<std::pair<const char *, ChildMain>> all;
    return all;
}

bool TestRegistry::isChildInvocation(int argc, char **argv)
{
    return argc >= 3 && std::strcmp(argv[1], "--child") == 0;
}

int TestRegistry::runChild(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 3; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    for (const auto &child : children()) {
        if (std::strcmp(child.first, argv[2]) == 0)
            return child.second(arguments);
    }
    return 127;
}
