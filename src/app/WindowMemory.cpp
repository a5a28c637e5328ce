#include "app/WindowMemory.h"

#include <QFileInfo>
#include <QLayout>
#include <QMainWindow>
#include <QSplitter>

#include "app/AppSettings.h"

namespace pw::WindowMemory {

namespace {
const QString kGeometry = QStringLiteral("window/geometry");
const QString kSplitter = QStringLiteral("window/splitter");

QString folderKey(const QString& dialog)
{
    // Dialog titles become keys; INI keys must not hold "/" or "\".
    QString key = dialog;
    key.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return QStringLiteral("folders/") + key;
}
} // namespace

void saveWindow(const QMainWindow& window, const QSplitter& splitter)
{
    const auto store = AppSettings::openStore();
    store->setValue(kGeometry, window.saveGeometry());
    store->setValue(kSplitter, splitter.saveState());
}

bool restoreWindow(QMainWindow& window, QSplitter& splitter)
{
    const auto store = AppSettings::openStore();
    const QByteArray geometry = store->value(kGeometry).toByteArray();
    const bool restored = !geometry.isEmpty() && window.restoreGeometry(geometry);
    // Sizes are restored into the splitter as wide as the restored window, not as it was before.
    if (window.layout())
        window.layout()->activate();
    splitter.restoreState(store->value(kSplitter).toByteArray());
    return restored;
}

QString lastFolder(const QString& dialog)
{
    const QString folder = AppSettings::openStore()->value(folderKey(dialog)).toString();
    return QFileInfo(folder).isDir() ? folder : QString();
}

void rememberFolder(const QString& dialog, const QString& chosen)
{
    if (chosen.isEmpty())
        return;
    const QFileInfo info(chosen);
    AppSettings::openStore()->setValue(folderKey(dialog), info.isDir() ? info.absoluteFilePath() : info.absolutePath());
}

} // namespace pw::WindowMemory
