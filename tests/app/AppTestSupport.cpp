#include "AppTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/AppSettings.h"

namespace pw::test {

AppSandbox::AppSandbox()
{
    QDir(iDir.path()).mkpath(QStringLiteral("data"));
    QDir(iDir.path()).mkpath(QStringLiteral("machine"));
    QDir(iDir.path()).mkpath(QStringLiteral("tmp"));
    qputenv("XDG_DATA_HOME", path(QStringLiteral("data")).toUtf8());
    qputenv("PAGEWIND_MACHINE_SUPPORT_DIR", path(QStringLiteral("machine")).toUtf8());
    qputenv("TMPDIR", path(QStringLiteral("tmp")).toUtf8());
    AppSettings::setStorePath(path(QStringLiteral("settings.ini")));
}

AppSandbox::~AppSandbox()
{
    AppSettings::setStorePath(std::nullopt);
}

QString AppSandbox::path(const QString& relative) const
{
    return relative.isEmpty() ? iDir.path() : QDir(iDir.path()).filePath(relative);
}

QString AppSandbox::writeFile(const QString& relative, const QByteArray& content) const
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(content);
    return file;
}

} // namespace pw::test
