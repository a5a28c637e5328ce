#include "app/ImageBrowserView.h"

#include <QDesktopServices>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QUrl>
#include <algorithm>

#include "app/ImageListModel.h"

namespace pw {

namespace {

Qt::DropAction runDesktopDrag(QDrag& drag)
{
    return drag.exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

void openInFileManager(const QString& folder)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

} // namespace

ImageBrowserView::ImageBrowserView(QWidget* parent)
    : QListView(parent), iDragRunner(runDesktopDrag), iFolderOpener(openInFileManager)
{
    setViewMode(QListView::IconMode);
    setIconSize(QSize(ImageListModel::kThumbnailSize, ImageListModel::kThumbnailSize));
    setGridSize(QSize(ImageListModel::kThumbnailSize + 24, ImageListModel::kThumbnailSize + 36));
    setResizeMode(QListView::Adjust);
    // Thumbnails keep the list's order on screen; only the list itself is rearranged.
    setMovement(QListView::Static);
    setWordWrap(true);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);  // the insertion mark is drawn here
    setDragDropMode(QAbstractItemView::DragDrop);
    // A static list view refuses drops on its viewport; this one takes them.
    viewport()->setAcceptDrops(true);
    setAccessibleName(tr("Pictures"));
    setAccessibleDescription(tr("The pictures of the book, in page order"));
}

void ImageBrowserView::setImageListModel(ImageListModel* model)
{
    iModel = model;
    setModel(model);
    connect(model, &ImageListModel::selectionRequested, this, &ImageBrowserView::selectRows);
    model->setDevicePixelRatio(devicePixelRatioF());
}

int ImageBrowserView::dropIndexAt(const QPoint& point) const
{
    if (!iModel)
        return 0;
    // Thumbnails are laid out row by row in list order, so "lies before the point" holds for a
    // leading run of the list: the answer is that run's length, found by bisection.
    const auto before = [this, point](int row) {
        const QRect rect = visualRect(iModel->index(row));
        if (rect.bottom() < point.y())
            return true;
        if (rect.top() > point.y())
            return false;
        return rect.center().x() < point.x();
    };
    int low = 0;
    int high = iModel->count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (before(middle))
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

QList<int> ImageBrowserView::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ImageBrowserView::selectRows(const QList<int>& rows)
{
    selectionModel()->clearSelection();
    for (const int row : rows)
        selectionModel()->select(iModel->index(row), QItemSelectionModel::Select);
    if (rows.isEmpty())
        return;
    selectionModel()->setCurrentIndex(iModel->index(rows.first()), QItemSelectionModel::NoUpdate);
    scrollTo(iModel->index(rows.first()));
}

bool ImageBrowserView::acceptsDrag(const QDropEvent* event) const
{
    return iModel && (iModel->ownDragRows(event->mimeData()) || !ImageListModel::droppedPictures(event->mimeData()).isEmpty());
}

void ImageBrowserView::setInsertionIndex(int index)
{
    if (index == iInsertionIndex)
        return;
    iInsertionIndex = index;
    viewport()->update();
}

void ImageBrowserView::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void ImageBrowserView::dragMoveEvent(QDragMoveEvent* event)
{
    if (!acceptsDrag(event)) {
        setInsertionIndex(-1);
        event->ignore();
        return;
    }
    setInsertionIndex(dropIndexAt(event->position().toPoint()));
    // A rearrangement moves; files from elsewhere are copied into the list.
    event->setDropAction(iModel->ownDragRows(event->mimeData()) ? Qt::MoveAction : Qt::CopyAction);
    event->accept();
}

void ImageBrowserView::dragLeaveEvent(QDragLeaveEvent* event)
{
    setInsertionIndex(-1);
    QListView::dragLeaveEvent(event);
}

void ImageBrowserView::dropEvent(QDropEvent* event)
{
    setInsertionIndex(-1);
    if (!acceptsDrag(event)) {
        event->ignore();
        return;
    }
    const int at = dropIndexAt(event->position().toPoint());
    if (const std::optional<QList<int>> rows = iModel->ownDragRows(event->mimeData())) {
        iModel->moveItems(*rows, at);
    } else {
        iModel->insertDroppedPaths(ImageListModel::droppedPictures(event->mimeData()), at);
    }
    // The model did the move itself: the drag source must not delete anything.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void ImageBrowserView::startDrag(Qt::DropActions)
{
    const QModelIndexList indexes = selectionModel()->selectedIndexes();
    if (!iModel || indexes.isEmpty())
        return;
    QPointer<QDrag> drag = new QDrag(this);  // a child; deleted below unless Qt already did
    drag->setMimeData(iModel->mimeData(indexes));
    const QPixmap thumbnail = iModel->data(indexes.first(), Qt::DecorationRole).value<QPixmap>();
    if (!thumbnail.isNull())
        drag->setPixmap(thumbnail.scaledToWidth(64 * thumbnail.devicePixelRatio(), Qt::SmoothTransformation));
    iDragRunner(*drag);
    setInsertionIndex(-1);
    if (drag)
        drag->deleteLater();
}

QRect ImageBrowserView::insertionMarkRect() const
{
    if (!iModel || iInsertionIndex < 0 || iModel->count() == 0)
        return {};
    const bool atEnd = iInsertionIndex >= iModel->count();
    const QRect item = visualRect(iModel->index(atEnd ? iModel->count() - 1 : iInsertionIndex));
    const int x = atEnd ? item.right() + 4 : item.left() - 4;
    return {x - 1, item.top(), 3, item.height()};
}

void ImageBrowserView::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    QPainter painter(viewport());
    if (const QRect mark = insertionMarkRect(); mark.isValid())
        painter.fillRect(mark, palette().color(QPalette::Highlight));
    if (iModel && iModel->count() > 0)
        return;
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(viewport()->rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                     tr("Drop pictures here, or press Add Pictures.\n\nBuild Book turns them into the pages; "
                        "until then the preview shows the demonstration pages."));
}

void ImageBrowserView::prioritizeVisible()
{
    if (!iModel || iModel->count() == 0)
        return;
    const int first = dropIndexAt(QPoint(0, 0));
    const int last = dropIndexAt(QPoint(viewport()->width(), viewport()->height()));
    iModel->prioritize(first, last);
}

void ImageBrowserView::showEvent(QShowEvent* event)
{
    QListView::showEvent(event);
    if (iModel)
        iModel->setDevicePixelRatio(devicePixelRatioF());
}

void ImageBrowserView::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    prioritizeVisible();
}

void ImageBrowserView::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    prioritizeVisible();
}

void ImageBrowserView::moveSelectionBy(int steps)
{
    const QList<int> rows = selectedRows();
    if (!iModel || rows.isEmpty())
        return;
    const int destination = steps < 0 ? std::max(0, rows.first() + steps) : std::min(iModel->count(), rows.last() + 1 + steps);
    iModel->moveItems(rows, destination);
}

void ImageBrowserView::moveSelectionToStart()
{
    if (iModel)
        iModel->moveItems(selectedRows(), 0);
}

void ImageBrowserView::moveSelectionToEnd()
{
    if (iModel)
        iModel->moveItems(selectedRows(), iModel->count());
}

void ImageBrowserView::removeSelection()
{
    if (iModel)
        iModel->removeItems(selectedRows());
}

void ImageBrowserView::showSelectionInFolder()
{
    const QList<int> rows = selectedRows();
    if (!iModel || rows.isEmpty())
        return;
    const QString folder = QFileInfo(iModel->pathAt(rows.first())).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        emit problem(tr("Show in Folder"), tr("The folder \u201c%1\u201d no longer exists. Locate\u2026 in this menu finds "
                                              "the picture in its new place.")
                                               .arg(folder));
        return;
    }
    iFolderOpener(folder);
}

void ImageBrowserView::locateSelection()
{
    for (const int row : selectedRows()) {
        if (iModel && iModel->isMissing(row)) {
            emit locateRequested(row);
            return;
        }
    }
}

QMenu* ImageBrowserView::makeContextMenu()
{
    auto* menu = new QMenu(this);  // the caller deletes it
    const bool any = !selectedRows().isEmpty();
    const auto add = [menu, any](const char* name, const QString& text, const QKeySequence& keys, auto slot, auto* self) {
        QAction* action = menu->addAction(text, self, slot);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutVisibleInContextMenu(true);
        action->setEnabled(any);
        return action;
    };
    add("remove", tr("&Remove"), QKeySequence::Delete, &ImageBrowserView::removeSelection, this);
    menu->addSeparator();
    add("moveToStart", tr("Move to &Start"), QKeySequence(tr("Ctrl+Home")), &ImageBrowserView::moveSelectionToStart, this);
    add("moveToEnd", tr("Move to &End"), QKeySequence(tr("Ctrl+End")), &ImageBrowserView::moveSelectionToEnd, this);
    menu->addSeparator();
    add("showInFolder", tr("Show in &Folder"), QKeySequence(), &ImageBrowserView::showSelectionInFolder, this);
    const QList<int> rows = selectedRows();
    const bool missing = iModel && std::any_of(rows.begin(), rows.end(), [this](int row) { return iModel->isMissing(row); });
    add("locate", tr("&Locate\u2026"), QKeySequence(), &ImageBrowserView::locateSelection, this)->setEnabled(missing);
    return menu;
}

void ImageBrowserView::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex under = indexAt(event->pos());
    if (under.isValid() && !selectionModel()->isSelected(under))
        selectionModel()->select(under, QItemSelectionModel::ClearAndSelect);
    QMenu* menu = makeContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void ImageBrowserView::keyPressEvent(QKeyEvent* event)
{
    if (iModel && (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)) {
        removeSelection();
        return;
    }
    if (iModel && event->modifiers() == Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            moveSelectionBy(-1);
            return;
        case Qt::Key_Down:
        case Qt::Key_Right:
            moveSelectionBy(1);
            return;
        case Qt::Key_Home:
            moveSelectionToStart();
            return;
        case Qt::Key_End:
            moveSelectionToEnd();
            return;
        default:
            break;
        }
    }
    QListView::keyPressEvent(event);
}

} // namespace pw
