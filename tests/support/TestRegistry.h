#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <vector>

// Collects the test classes of one test executable; each class file registers itself
// with KESTREL_TEST(ClassName) and TestMain runs them all in registration order.
class TestRegistry
{
public:
    using Factory = std::function<QObject *()>;

    using ChildMain = std::function<int(const QStringList &arguments)>;

    static bool add(const char *name, Factory factory);
    static int runAll(int argc, char **argv);

    // A test may start its own executable again as a helper process:
    // "<test executable> --child <name> <arguments...>" runs the registered child main
    // instead of the tests and exits with its result.
    static bool addChild(const char *name, ChildMain childMain);
    static bool isChildInvocation(int argc, char **argv);
    static int runChild(int argc, char **argv);

private:
    struct Entry
    {
        const char *name;
        Factory factory;
    };
    static std::vector<Entry> &entries();
    static std::vector<std::pair<const char *, ChildMain>> &children();
};

#define KESTREL_TEST(Class) \
    static const bool kestrelTestRegistered_##Class = \
            TestRegistry::add(#Class, [] { return static_cast<QObject *>(new Class); });

#define KESTREL_CHILD(name, function) \
    static const bool kestrelChildRegistered_##function = TestRegistry::addChild(name, function);
