#pragma once

#include <QString>
#include <QTemporaryDir>

// Points XDG_CONFIG_HOME, XDG_RUNTIME_DIR and TMPDIR of this process into one private
// temporary folder, so a test run sees a fresh profile and its own local sockets.
// Child processes started by a test inherit the same folders.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();

    static QString root();
    static QString configHome();
    static QString runtimeDir();
    static QString tempDir();
    // Removes the settings file, so the next reader starts from an empty registry.
    static void resetRegistry();

private:
    QTemporaryDir dir_;
};
