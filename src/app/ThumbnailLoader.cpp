#include "app/ThumbnailLoader.h"

#include <QImageReader>
#include <QtConcurrent/QtConcurrentRun>
#include <cmath>

namespace pw {

namespace {
// Pictures whose header claims more pixels than this are not decoded for a thumbnail.
constexpr qint64 kMaxSourcePixels = 200'000'000;
} // namespace

ThumbnailLoader::ThumbnailLoader(int size, QObject* parent) : QObject(parent), iSize(size) {}

QImage ThumbnailLoader::load(const QString& path, int size, qreal ratio)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize original = reader.size();
    if (!original.isValid() || qint64(original.width()) * original.height() > kMaxSourcePixels)
        return {};
    const int pixels = static_cast<int>(std::lround(size * ratio));
    // Decoders that scale while decoding (JPEG) do far less work this way.
    reader.setScaledSize(original.scaled(pixels, pixels, Qt::KeepAspectRatio));
    QImage image = reader.read();
    image.setDevicePixelRatio(ratio);
    return image;
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
    iWatcher->setFuture(QtConcurrent::run([path, size, ratio] { return Result{path, load(path, size, ratio), ratio}; }));
}

void ThumbnailLoader::onFinished()
{
    Result done = iWatcher->result();
    iWatcher->deleteLater();
    iWatcher = nullptr;
    iPending.remove(done.path);
    // One made before the ratio changed is made again when next asked for.
    if (qFuzzyCompare(done.ratio, iRatio))
        iCache.insert(done.path, new QImage(std::move(done.image)));  // the cache owns its entries
    emit thumbnailReady(done.path);
    startNext();
}

} // namespace pw
