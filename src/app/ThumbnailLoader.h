#pragma once

#include <QCache>
#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QStringList>

namespace pw {

// Decodes picture thumbnails one at a time on a pool thread and caches them by path, so the
// window never waits for a photograph to decode.
class ThumbnailLoader : public QObject {
    Q_OBJECT

public:
    explicit ThumbnailLoader(int size, QObject* parent = nullptr);

    // The cached thumbnail, or none yet (the request is queued). A picture that cannot be
    // read, or whose header claims absurd dimensions, gives a null image once done.
    const QImage* thumbnail(const QString& path);
    int size() const { return iSize; }

    // Reads a thumbnail in the calling thread.
    static QImage load(const QString& path, int size);

signals:
    void thumbnailReady(const QString& path);

private:
    struct Result {
        QString path;
        QImage image;
    };
    void startNext();
    void onFinished();

    int iSize;
    QCache<QString, QImage> iCache{400};
    QSet<QString> iPending;
    QStringList iQueue;
    QFutureWatcher<Result>* iWatcher = nullptr;  // a child: Qt deletes it with the loader
};

} // namespace pw
