#include "app/PreviewFolder.h"

#include <QDir>

#include "base/FileUtil.h"
#include "base/Log.h"
#include "base/PlatformPaths.h"
#include "base/VexUtility.h"

namespace pw {

namespace {
const QString kRunPrefix = QStringLiteral("run-");
const QString kLockSuffix = QStringLiteral(".lock");

std::unique_ptr<QLockFile> lockFor(const QString& folder)
{
    auto lock = std::make_unique<QLockFile>(folder + kLockSuffix);
    lock->setStaleLockTime(0);  // held for the whole run; only a dead holder makes it stale
    return lock;
}
} // namespace

PreviewFolder::~PreviewFolder()
{
    remove();
}

QString PreviewFolder::previewsRoot()
{
    return QDir::cleanPath(QString::fromStdString(platform::userApplicationSupportFolder()) +
                           QStringLiteral("/Leafreel/Preview"));
}

void PreviewFolder::removeStale(const QString& root)
{
    const QDir folder(root);
    for (const QString& name : folder.entryList({kRunPrefix + QStringLiteral("*") + kLockSuffix}, QDir::Files | QDir::Hidden)) {
        const QString run = folder.filePath(name.chopped(kLockSuffix.size()));
        const auto lock = lockFor(run);
        if (!lock->tryLock(0))
            continue;  // another copy is running with it
        QDir(run).removeRecursively();
        lock->unlock();
    }
}

const QString& PreviewFolder::path()
{
    if (!iPath.isEmpty())
        return iPath;
    const QString root = previewsRoot();
    if (!QDir().mkpath(root)) {
        PW_LOG_WARN("flash preview folder cannot be crearted[%s]", root.toUtf8().constData());
        return iPath;
    }
    removeStale(root);
    const std::optional<std::string> made = file::makeUniqueFolder((root + QStringLiteral("/") + kRunPrefix + "XXXXXX").toStdString());
    if (!made) {
        PW_LOG_WARN("flash preview folder cannot be crearted[%s]", root.toUtf8().constData());
        return iPath;
    }
    const QString run = QString::fromStdString(*made);
    iLock = lockFor(run);
    if (!iLock->tryLock(0))
        PW_LOG_WARN("the preview folder %s cannot be locked", run.toUtf8().constData());
    iPath = run;
    VexUtility::makeDiractoryTrustByFlash(root.toStdString());
    return iPath;
}

void PreviewFolder::remove()
{
    if (iPath.isEmpty())
        return;
    QDir(iPath).removeRecursively();
    iLock.reset();  // unlocks, which removes the lock file
    iPath.clear();
}

} // namespace pw
