#include "app/ThumbnailLoader.h"

#include <QImageReader>
#include <QtConcurrent/QtConcurrentRun>

namespace pw {

namespace {
// Pictures whose header claims more pixels than this are not decoded for a thumbnail.
constexpr qint64 kMaxSourcePixels = 200'000'000;
} // namespace

ThumbnailLoader::ThumbnailLoader(int size, QObject* parent) : QObject(parent), iSize(size) {}

QImage ThumbnailLoader::load(const QString& path, int size)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize original = reader.size();
    if (!original.isValid() || qint64(original.width()) * original.height() > kMaxSourcePixels)
        return {};
    // Decoders that scale while decoding (JPEG) do far less work this way.
    reader.setScaledSize(original.scaled(size, size, Qt::KeepAspectRatio));
    return reader.read();
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
    iWatcher = new QFutureWatcher<Result>(this);
    connect(iWatcher, &QFutureWatcher<Result>::finished, this, &ThumbnailLoader::onFinished);
    iWatcher->setFuture(QtConcurrent::run([path, size] { return Result{path, load(path, size)}; }));
}

void ThumbnailLoader::onFinished()
{
    Result done = iWatcher->result();
    iWatcher->deleteLater();
    iWatcher = nullptr;
    iPending.remove(done.path);
    iCache.insert(done.path, new QImage(std::move(done.image)));  // the cache owns its entries
    emit thumbnailReady(done.path);
    startNext();
}

} // namespace pw
