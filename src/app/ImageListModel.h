#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <memory>
#include <vector>

#include "app/MyImageObject.h"
#include "app/ThumbnailLoader.h"

namespace pw {

// The user's ordered picture list (the controller's browserData) as a model for the image
// browser. Thumbnails are decoded off the main thread and cached by path, so a long list of
// photographs scrolls without stalling the window.
class ImageListModel : public QAbstractListModel {
    Q_OBJECT

public:
    // The drag format of a rearrangement inside the browser: the dragged rows.
    static constexpr const char* kRowsMimeType = "application/x-pagewind-image-rows";

    explicit ImageListModel(QObject* parent = nullptr);
    ~ImageListModel() override;

    // Appends one entry, unless the file name starts with "." (hidden files are never listed).
    void addImageWithPath(const QString& path);
    // addImageWithPath, then a refresh of the browser.
    void addImagesFromDirectory(const QString& path);
    // Inserts the dropped paths at the drop index, in the order of the drag. Dropped paths are
    // taken as they come, hidden files included: the user chose them.
    void insertDroppedPaths(const QStringList& paths, int dropIndex);
    // Takes the rows (any order), removes them and inserts them, in ascending order, as one run
    // starting at destination minus the number of taken rows above it.
    bool moveItems(QList<int> rows, int destination);
    // Removes all entries at the rows at once.
    void removeItems(const QList<int>& rows);

    const std::vector<MyImageObject>& browserData() const { return iBrowserData; }
    QStringList paths() const;
    int count() const { return static_cast<int>(iBrowserData.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    // The thumbnail's longest side in pixels.
    static constexpr int kThumbnailSize = 128;

signals:
    // A thumbnail has been decoded and is in the cache.
    void thumbnailReady(const QString& path);

private:
    QVariant thumbnailFor(const QString& path) const;
    void onThumbnailReady(const QString& path);

    std::vector<MyImageObject> iBrowserData;
    std::unique_ptr<ThumbnailLoader> iThumbnails;
};

} // namespace pw
