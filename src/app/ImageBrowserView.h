#pragma once

#include <QListView>
#include <functional>

class QDrag;
class QMenu;

namespace pw {

class ImageListModel;

// The thumbnail grid of the picture list. Drag thumbnails to rearrange them and drop files from
// the desktop to insert them: both land where the insertion mark shows, between two thumbnails
// or after the last. Ctrl+Up / Ctrl+Down move the selection one place, Ctrl+Home / Ctrl+End to
// the start or end; Delete removes it; the context menu offers the same, Show in Folder, and
// Locate for a missing picture.
// Moved pictures stay selected.
class ImageBrowserView : public QListView {
    Q_OBJECT

public:
    // Runs a drag to its end and returns what the drop did; the desktop's drag by default.
    using DragRunner = std::function<Qt::DropAction(QDrag& drag)>;
    // Shows a folder in the file manager.
    using FolderOpener = std::function<void(const QString& folder)>;

    explicit ImageBrowserView(QWidget* parent = nullptr);

    void setImageListModel(ImageListModel* model);
    void setDragRunner(DragRunner runner) { iDragRunner = std::move(runner); }
    void setFolderOpener(FolderOpener opener) { iFolderOpener = std::move(opener); }

    // The list index a drop at the point inserts before: the first thumbnail right of the point
    // in its row (the halves of a thumbnail count as its sides), the next row's first when the
    // point is past a row's end or between rows, the end of the list below the last row.
    int dropIndexAt(const QPoint& point) const;
    // Where the insertion mark stands during a drag, or -1.
    int insertionIndex() const { return iInsertionIndex; }

    // The context menu for the selection, its actions named "remove", "moveToStart", "moveToEnd",
    // "showInFolder" and "locate" (for a missing picture). The caller owns it.
    QMenu* makeContextMenu();
    // Moves the selection by steps (negative: towards the start), or to the start or end.
    void moveSelectionBy(int steps);
    void moveSelectionToStart();
    void moveSelectionToEnd();
    void removeSelection();
    // Shows the first selected picture's folder; a folder that is gone is reported instead.
    void showSelectionInFolder();
    // Asks to locate the first selected picture that is missing.
    void locateSelection();

signals:
    void locateRequested(int row);
    void problem(const QString& title, const QString& message);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // An empty list says how to fill it; a drag shows the insertion mark.
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    QList<int> selectedRows() const;
    bool acceptsDrag(const QDropEvent* event) const;
    void selectRows(const QList<int>& rows);
    void setInsertionIndex(int index);
    QRect insertionMarkRect() const;
    void prioritizeVisible();

    ImageListModel* iModel = nullptr;  // owned by the window
    DragRunner iDragRunner;
    FolderOpener iFolderOpener;
    int iInsertionIndex = -1;
};

} // namespace pw
