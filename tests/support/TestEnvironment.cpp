#include "support/TestEnvironment.h"

#include "platform/RegistrySettings.h"

#include <QDir>
#include <QFile>

namespace {
// A function's static, so it exists before the guard object of another file is built.
QString &rootPath()
{
    static QString path;
    return path;
}

void makePrivateDir(const QString &path, const char *variable)
{
    QDir().mkpath(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv(variable, QFile::encodeName(path));
}
} // namespace

TestEnvironment::TestEnvironment() : dir_(QDir::tempPath() + "/kestrel-test-XXXXXX")
{
    rootPath() = dir_.path();
    makePrivateDir(configHome(), "XDG_CONFIG_HOME");
    makePrivateDir(runtimeDir(), "XDG_RUNTIME_DIR");
    makePrivateDir(tempDir(), "TMPDIR");
}

TestEnvironment::~TestEnvironment()
{
    rootPath().clear();
}

QString TestEnvironment::root()
{
    return rootPath();
}

QString TestEnvironment::configHome()
{
    return rootPath() + "/config";
}

QString TestEnvironment::runtimeDir()
{
    return rootPath() + "/runtime";
}

QString TestEnvironment::tempDir()
{
    return rootPath() + "/tmp";
}

void TestEnvironment::resetRegistry()
{
    QFile::remove(RegistrySettings::filePath());
}
