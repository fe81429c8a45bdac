#pragma once

#include <QObject>
#include <functional>
#include <vector>

// Collects the test classes of one test executable; each class file registers itself
// with KESTREL_TEST(ClassName) and TestMain runs them all in registration order.
class TestRegistry
{
public:
    using Factory = std::function<QObject *()>;

    static bool add(const char *name, Factory factory);
    static int runAll(int argc, char **argv);

private:
    struct Entry
    {
        const char *name;
        Factory factory;
    };
    static std::vector<Entry> &entries();
};

#define KESTREL_TEST(Class)                                                                        \
    static const bool kestrelTestRegistered_##Class                                                \
            = TestRegistry::add(#Class, [] { return static_cast<QObject *>(new Class); });
