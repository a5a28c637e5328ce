#pragma once

#include <QCache>
#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QStringList>

namespace pw {

// Decodes picture thumbnails one at a time on a pool thread and caches them by path, so the
// window never waits for a photograph to decode. Thumbnails are made at the screen's pixel
// ratio, and the pictures the view shows can be moved to the front of the queue.
class ThumbnailLoader : public QObject {
    Q_OBJECT

public:
    // size: the longest side in device-independent pixels.
    explicit ThumbnailLoader(int size, QObject* parent = nullptr);

    // The cached thumbnail, or none yet (the request is queued). A picture that cannot be
    // read, or whose header claims absurd dimensions, gives a null image once done.
    const QImage* thumbnail(const QString& path);
    int size() const { return iSize; }

    qreal devicePixelRatio() const { return iRatio; }
    // Thumbnails made from now on have size × ratio device pixels; the cache is emptied.
    void setDevicePixelRatio(qreal ratio);
    // These paths are decoded first, in this order, whether asked for already or not.
    void prioritize(const QStringList& paths);

    // Reads a thumbnail in the calling thread, size × ratio device pixels on its longest side.
    static QImage load(const QString& path, int size, qreal ratio = 1.0);

signals:
    void thumbnailReady(const QString& path);

private:
    struct Result {
        QString path;
        QImage image;
        qreal ratio = 1.0;
    };
    void startNext();
    void onFinished();

    int iSize;
    qreal iRatio = 1.0;
    QCache<QString, QImage> iCache{400};
    QSet<QString> iPending;
    QStringList iQueue;
    QFutureWatcher<Result>* iWatcher = nullptr;  // a child: Qt deletes it with the loader
};

} // namespace pw
