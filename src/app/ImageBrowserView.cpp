#include "app/ImageBrowserView.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

#include "app/ImageListModel.h"

namespace pw {

ImageBrowserView::ImageBrowserView(QWidget* parent) : QListView(parent)
{
    setViewMode(QListView::IconMode);
    setIconSize(QSize(ImageListModel::kThumbnailSize, ImageListModel::kThumbnailSize));
    setGridSize(QSize(ImageListModel::kThumbnailSize + 24, ImageListModel::kThumbnailSize + 36));
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Snap);
    setWordWrap(true);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
}

void ImageBrowserView::setImageListModel(ImageListModel* model)
{
    iModel = model;
    setModel(model);
}

int ImageBrowserView::dropIndexAt(const QPoint& point) const
{
    if (!iModel)
        return 0;
    const QModelIndex index = indexAt(point);
    if (!index.isValid())
        return iModel->count();
    const QRect rect = visualRect(index);
    return point.x() > rect.center().x() ? index.row() + 1 : index.row();
}

QList<int> ImageBrowserView::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.append(index.row());
    return rows;
}

bool ImageBrowserView::acceptsDrag(QDropEvent* event) const
{
    const QMimeData* data = event->mimeData();
    if (event->source() == this)
        return data->hasFormat(QString::fromLatin1(ImageListModel::kRowsMimeType));
    return data->hasUrls();
}

void ImageBrowserView::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void ImageBrowserView::dragMoveEvent(QDragMoveEvent* event)
{
    if (!iModel || !acceptsDrag(event)) {
        event->ignore();
        return;
    }
    // A rearrangement moves; files from elsewhere are copied into the list.
    event->setDropAction(event->source() == this ? Qt::MoveAction : Qt::CopyAction);
    event->accept();
}

void ImageBrowserView::dropEvent(QDropEvent* event)
{
    if (!iModel || !acceptsDrag(event)) {
        event->ignore();
        return;
    }
    const int at = dropIndexAt(event->position().toPoint());
    if (event->source() == this) {
        iModel->moveItems(selectedRows(), at);
    } else {
        QStringList paths;
        for (const QUrl& url : event->mimeData()->urls()) {
            if (url.isLocalFile())
                paths.append(url.toLocalFile());
        }
        iModel->insertDroppedPaths(paths, at);
    }
    // The model did the move itself: the drag source must not delete anything.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void ImageBrowserView::startDrag(Qt::DropActions supportedActions)
{
    // The icon view's own drag would only move the pictures on screen, not in the list.
    QAbstractItemView::startDrag(supportedActions);
}

void ImageBrowserView::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    if (iModel && iModel->count() > 0)
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(viewport()->rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                     tr("Drop pictures here, or press Add Pictures.\n\nBuild Book turns them into the pages; "
                        "until then the preview shows the demonstration pages."));
}

void ImageBrowserView::keyPressEvent(QKeyEvent* event)
{
    if (iModel && (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)) {
        iModel->removeItems(selectedRows());
        return;
    }
    QListView::keyPressEvent(event);
}

} // namespace pw
