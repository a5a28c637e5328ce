#pragma once

#include <QListView>

namespace pw {

class ImageListModel;

// The thumbnail grid of the image list: drag thumbnails to rearrange them, drop files from
// the desktop to insert them where they land, Delete or Backspace to remove the selection.
class ImageBrowserView : public QListView {
    Q_OBJECT

public:
    explicit ImageBrowserView(QWidget* parent = nullptr);

    void setImageListModel(ImageListModel* model);
    // The list index a drop at the point inserts before: the item under it, or the one after
    // when the point is on the item's right half; the end of the list below the last item.
    int dropIndexAt(const QPoint& point) const;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // An empty list says how to fill it.
    void paintEvent(QPaintEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    QList<int> selectedRows() const;
    bool acceptsDrag(QDropEvent* event) const;

    ImageListModel* iModel = nullptr;  // owned by the controller
};

} // namespace pw
