#include "app/ThumbnailLoader.h"

#include <QtConcurrent/QtConcurrentRun>
#include <cmath>

#include "base/PagewindException.h"

namespace pw {

ThumbnailLoader::ThumbnailLoader(int size, QObject* parent) : QObject(parent), iSize(size) {}

QImage ThumbnailLoader::load(const QString& path, int size, qreal ratio, PictureOutcome* outcome)
{
    const int pixels = static_cast<int>(std::lround(size * ratio));
    PictureIntake::Picture picture;
    try {
        picture = PictureIntake::thumbnailJpeg(path.toStdString(), pixels);
    } catch (const PagewindException& e) {
        picture.outcome = {PictureOutcome::Status::unreadable, path.toStdString(), e.reason()};
    }
    if (outcome)
        *outcome = picture.outcome;
    QImage image;
    if (!picture.outcome.usable() ||
        !image.loadFromData(reinterpret_cast<const uchar*>(picture.bytes.data()), static_cast<int>(picture.bytes.size()),
                            "JPEG"))
        return {};
    image.setDevicePixelRatio(ratio);
    return image;
}

std::optional<PictureOutcome> ThumbnailLoader::problem(const QString& path) const
{
    const auto found = iProblems.constFind(path);
    return found == iProblems.constEnd() ? std::nullopt : std::optional(*found);
}

void ThumbnailLoader::setDevicePixelRatio(qreal ratio)
{
    if (ratio <= 0 || qFuzzyCompare(ratio, iRatio))
        return;
    iRatio = ratio;
    iCache.clear();
}

void ThumbnailLoader::prioritize(const QStringList& paths)
{
    for (auto it = paths.rbegin(); it != paths.rend(); ++it) {
        if (iCache.contains(*it))
            continue;
        if (!iQueue.removeOne(*it) && iPending.contains(*it))
            continue;  // being decoded now
        iPending.insert(*it);
        iQueue.prepend(*it);
    }
    startNext();
}

const QImage* ThumbnailLoader::thumbnail(const QString& path)
{
    if (const QImage* image = iCache.object(path))
        return image;
    if (!iPending.contains(path)) {
        iPending.insert(path);
        iQueue.append(path);
        startNext();
    }
    return nullptr;
}

void ThumbnailLoader::startNext()
{
    if (iWatcher || iQueue.isEmpty())
        return;
    const QString path = iQueue.takeFirst();
    const int size = iSize;
    const qreal ratio = iRatio;
    iWatcher = new QFutureWatcher<Result>(this);
    connect(iWatcher, &QFutureWatcher<Result>::finished, this, &ThumbnailLoader::onFinished);
    iWatcher->setFuture(QtConcurrent::run([path, size, ratio] {
        Result result{path, {}, ratio, {}};
        result.image = load(path, size, ratio, &result.outcome);
        return result;
    }));
}

void ThumbnailLoader::onFinished()
{
    Result done = iWatcher->result();
    iWatcher->deleteLater();
    iWatcher = nullptr;
    iPending.remove(done.path);
    if (done.outcome.status == PictureOutcome::Status::ok)
        iProblems.remove(done.path);
    else
        iProblems.insert(done.path, done.outcome);
    // One made before the ratio changed is made again when next asked for.
    if (qFuzzyCompare(done.ratio, iRatio))
        iCache.insert(done.path, new QImage(std::move(done.image)));  // the cache owns its entries
    emit thumbnailReady(done.path);
    startNext();
}

} // namespace pw
