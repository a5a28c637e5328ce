#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QStringList>
#include <memory>
#include <vector>

#include "app/ThumbnailLoader.h"

class QUndoCommand;
class QUndoStack;

namespace pw {

class BookProject;

// The project's picture list as a model for the image browser. The user's changes (adding,
// dropping, moving, removing) become one undoable step each on the undo stack when one is set;
// without one they apply at once. Thumbnails are decoded off the main thread at the screen's
// pixel ratio and cached by path; pictures whose file is gone are marked as missing.
class ImageListModel : public QAbstractListModel {
    Q_OBJECT

public:
    // The drag format of a rearrangement inside the list: which list, then the dragged rows.
    static constexpr const char* kRowsMimeType = "application/x-pagewind-image-rows";
    // The thumbnail's longest side in device-independent pixels.
    static constexpr int kThumbnailSize = 128;

    // Shows an empty project of its own until setProject.
    explicit ImageListModel(QObject* parent = nullptr);
    ~ImageListModel() override;

    void setProject(std::shared_ptr<BookProject> project);
    void setUndoStack(QUndoStack* stack) { iUndoStack = stack; }

    // --- What the user does; one undo step each. ---
    // Appends one entry, unless the file name starts with "." (hidden files are never listed).
    void addImageWithPath(const QString& path);
    void addImagesFromDirectory(const QString& path);
    // Appends the pictures chosen together as one step, hidden files left out.
    void addPictures(const QStringList& paths);
    // Inserts the dropped paths at the drop index (the end when out of range), in the order of
    // the drag. Dropped paths are taken as they come, hidden files included: the user chose them.
    void insertDroppedPaths(const QStringList& paths, int dropIndex);
    // Takes the rows (any order), removes them and inserts them, in ascending order, as one run
    // starting at destination minus the number of taken rows above it. Nothing when that is
    // the order already.
    bool moveItems(QList<int> rows, int destination);
    // Removes all entries at the rows at once.
    void removeItems(const QList<int>& rows);

    // --- The changes themselves, for the undo commands. ---
    void insertAt(int row, const QStringList& paths);
    // Rows ascending and distinct.
    void removeAt(const QList<int>& rows);
    // order[newRow] is the old row; selections and other persistent indexes follow their pictures.
    void reorder(const std::vector<int>& order);
    // Puts these paths in place of the entries, row for row (a relink); a list of another
    // length replaces the entries whole.
    void replacePaths(const QStringList& paths);
    // Asks the view to select these rows (after a step of the undo stack).
    void requestSelection(const QList<int>& rows) { emit selectionRequested(rows); }

    QStringList paths() const;
    QString pathAt(int row) const;
    int count() const;
    bool isMissing(int row) const;

    // Thumbnails are made with this many device pixels per pixel (the screen's ratio).
    void setDevicePixelRatio(qreal ratio);
    // The rows the view shows now: their thumbnails are decoded before any others.
    void prioritize(int first, int last);

    // The files of a drop from elsewhere (a file manager) that the picture intake reads, by
    // their kind; a drop with none of them is refused.
    static QStringList droppedPictures(const QMimeData* data);
    // The rows of a drag that started in this list, or none for any other drag.
    std::optional<QList<int>> ownDragRows(const QMimeData* data) const;

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

signals:
    // A thumbnail has been decoded and is in the cache.
    void thumbnailReady(const QString& path);
    void selectionRequested(const QList<int>& rows);

private:
    QVariant thumbnailFor(const QString& path, bool missing) const;
    void onThumbnailReady(const QString& path);
    void perform(QUndoCommand* command);
    QString dragToken() const;

    std::shared_ptr<BookProject> iProject;
    QUndoStack* iUndoStack = nullptr;  // the window's
    std::unique_ptr<ThumbnailLoader> iThumbnails;
    mutable QHash<QString, bool> iExists;
};

} // namespace pw
