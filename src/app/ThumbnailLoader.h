#pragma once

#include <QCache>
#include <QFutureWatcher>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <optional>

#include "picture/PictureIntake.h"

namespace pw {

// Makes picture thumbnails through the core's picture intake (upright, in sRGB, whatever the
// format) one at a time on a pool thread and caches them by path, so the window never waits for
// a photograph to decode. Thumbnails are made at the screen's pixel ratio, and the pictures the
// view shows can be moved to the front of the queue. What the intake said of each picture that
// was not plainly fine (unreadable and why, or damaged) is kept beside the cache.
class ThumbnailLoader : public QObject {
    Q_OBJECT

public:
    // size: the longest side in device-independent pixels.
    explicit ThumbnailLoader(int size, QObject* parent = nullptr);

    // The cached thumbnail, or none yet (the request is queued). A picture that cannot be
    // read, or whose header claims absurd dimensions, gives a null image once done.
    const QImage* thumbnail(const QString& path);
    // Why the picture cannot be read, or that it is damaged, once its thumbnail was made; none
    // for a picture that was fine (or not made yet).
    std::optional<PictureOutcome> problem(const QString& path) const;
    int size() const { return iSize; }

    qreal devicePixelRatio() const { return iRatio; }
    // Thumbnails made from now on have size × ratio device pixels; the cache is emptied.
    void setDevicePixelRatio(qreal ratio);
    // These paths are decoded first, in this order, whether asked for already or not.
    void prioritize(const QStringList& paths);

    // Reads a thumbnail in the calling thread, size × ratio device pixels on its longest side;
    // a null image for a picture that cannot be read, outcome telling why.
    static QImage load(const QString& path, int size, qreal ratio = 1.0, PictureOutcome* outcome = nullptr);

signals:
    void thumbnailReady(const QString& path);

private:
    struct Result {
        QString path;
        QImage image;
        qreal ratio = 1.0;
        PictureOutcome outcome;
    };
    void startNext();
    void onFinished();

    int iSize;
    qreal iRatio = 1.0;
    QCache<QString, QImage> iCache{400};
    QHash<QString, PictureOutcome> iProblems;
    QSet<QString> iPending;
    QStringList iQueue;
    QFutureWatcher<Result>* iWatcher = nullptr;  // a child: Qt deletes it with the loader
};

} // namespace pw
