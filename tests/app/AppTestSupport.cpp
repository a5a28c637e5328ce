#include "AppTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include "app/AppSettings.h"
#include "base/ResourceFolder.h"

namespace pw::test {

namespace {
// English plural forms ("1 picture", "2 pictures"), as the application installs them at start.
void installEnglish()
{
    auto* english = new QTranslator(QCoreApplication::instance());  // the application owns it
    if (english->load(QStringLiteral("pagewind_en"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(english);
}
} // namespace
Q_COREAPP_STARTUP_FUNCTION(installEnglish)

QString screenshotFolder()
{
    const QString folder = QStringLiteral(PAGEWIND_BINARY_DIR "/app-screenshots");
    QDir().mkpath(folder);
    return folder;
}

QString demoPicture(const QString& name)
{
    return QStringLiteral(PAGEWIND_SOURCE_DIR "/resources/DemoImgs/") + name;
}

QStringList fileNames(const QStringList& paths)
{
    QStringList names;
    for (const QString& path : paths)
        names.append(QFileInfo(path).fileName());
    return names;
}

bool rebuildsPreview(Leafreel_for_macAppDelegate& window, const std::function<void()>& action)
{
    QSignalSpy rebuilt(&window, &Leafreel_for_macAppDelegate::previewRebuilt);
    action();
    return rebuilt.wait(60000) && rebuilt.last().first().toBool();
}

QFileDialog* openedPanel(QWidget* window)
{
    QFileDialog* panel = nullptr;
    return QTest::qWaitFor([&] { return (panel = window->findChild<QFileDialog*>()) != nullptr; }) ? panel : nullptr;
}

void answerPanel(QWidget* window, const QString& path, const QString& folder)
{
    QFileDialog* panel = openedPanel(window);
    QVERIFY(panel);
    if (!folder.isEmpty())
        panel->setDirectory(folder);
    panel->selectFile(path);
    static_cast<QDialog*>(panel)->accept();  // the panel's own OK
}

AppSandbox::AppSandbox()
{
    const std::pair<const char*, const char*> variables[] = {
        {"XDG_DATA_HOME", "data"}, {"PAGEWIND_MACHINE_SUPPORT_DIR", "machine"}, {"TMPDIR", "tmp"}};
    for (const auto& [name, folder] : variables) {
        QDir(iDir.path()).mkpath(QLatin1String(folder));
        iSavedEnvironment.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        qputenv(name, path(QLatin1String(folder)).toUtf8());
    }
    AppSettings::setStorePath(path(QStringLiteral("settings.ini")));
}

AppSandbox::~AppSandbox()
{
    AppSettings::setStorePath(std::nullopt);
    resources::setResourceFolder(std::nullopt);
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

StartedWindow::StartedWindow(bool shown)
{
    ProjectSession* session = window.session();
    session->setUnsavedQuestion([this](QWidget*, const QString& name) {
        asked.append(name);
        return answer;
    });
    session->setSaveQuestion([this](QWidget*, const QString&) { return std::optional<QString>(savePath); });
    QObject::connect(session, &ProjectSession::problem, &window,
                     [this](const QString&, const QString& message) { problems.append(message); });
    if (shown)
        window.show();
    QVERIFY(rebuildsPreview(window, [this] { window.applicationDidFinishLaunching(); }));
}

} // namespace pw::test
