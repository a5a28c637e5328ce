#include "AppTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QSignalSpy>

#include "app/AppSettings.h"
#include "app/Leafreel_for_macAppDelegate.h"

namespace pw::test {

QString screenshotFolder()
{
    const QString folder = QStringLiteral(PAGEWIND_BINARY_DIR "/app-screenshots");
    QDir().mkpath(folder);
    return folder;
}

bool rebuildsPreview(Leafreel_for_macAppDelegate& window, const std::function<void()>& action)
{
    QSignalSpy rebuilt(&window, &Leafreel_for_macAppDelegate::previewRebuilt);
    action();
    return rebuilt.wait(60000) && rebuilt.last().first().toBool();
}

AppSandbox::AppSandbox()
{
    QDir(iDir.path()).mkpath(QStringLiteral("data"));
    QDir(iDir.path()).mkpath(QStringLiteral("machine"));
    QDir(iDir.path()).mkpath(QStringLiteral("tmp"));
    const std::pair<const char*, const char*> variables[] = {
        {"XDG_DATA_HOME", "data"}, {"PAGEWIND_MACHINE_SUPPORT_DIR", "machine"}, {"TMPDIR", "tmp"}};
    for (const auto& [name, folder] : variables) {
        iSavedEnvironment.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        qputenv(name, path(QLatin1String(folder)).toUtf8());
    }
    AppSettings::setStorePath(path(QStringLiteral("settings.ini")));
}

AppSandbox::~AppSandbox()
{
    AppSettings::setStorePath(std::nullopt);
    for (const auto& [name, value] : iSavedEnvironment) {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
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
