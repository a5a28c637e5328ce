#include "app/ImageListModel.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QUndoStack>
#include <QUrl>
#include <algorithm>

#include "app/MyImageObject.h"
#include "app/PictureListCommand.h"
#include "project/BookProject.h"

namespace pw {

namespace {

// A grey card in a square of the thumbnail's size: the list sizes every item after the first
// one's picture, and a portrait photo needs the full height.
QPixmap placeholderPixmap(bool missing)
{
    constexpr int kSide = ImageListModel::kThumbnailSize;
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(QRect(0, kSide / 8, kSide, kSide * 3 / 4), QColor(0xe4, 0xe4, 0xe4));
    if (!missing)
        return pixmap;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xb0, 0x00, 0x20), 4));
    const QRect mark = QRect(0, 0, 40, 40).translated(pixmap.rect().center() - QPoint(20, 20));
    painter.drawEllipse(mark);
    painter.drawLine(mark.topRight() + QPoint(-6, 6), mark.bottomLeft() + QPoint(6, -6));
    return pixmap;
}

QList<int> sortedDistinct(QList<int> rows, int count)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [count](int row) { return row < 0 || row >= count; }), rows.end());
    return rows;
}

} // namespace

// A text file or a folder would only become an empty page.
QStringList ImageListModel::droppedPictures(const QMimeData* data)
{
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (url.isLocalFile() && !QFileInfo(path).isDir() && PictureIntake::isAcceptedFileName(path.toStdString()))
            paths.append(path);
    }
    return paths;
}

namespace {

bool isHidden(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return !name.isEmpty() && name.startsWith(QLatin1Char('.'));
}

} // namespace

ImageListModel::ImageListModel(QObject* parent)
    : QAbstractListModel(parent),
      iProject(std::make_shared<BookProject>()),
      iThumbnails(std::make_unique<ThumbnailLoader>(kThumbnailSize))
{
    connect(iThumbnails.get(), &ThumbnailLoader::thumbnailReady, this, &ImageListModel::onThumbnailReady);
}

ImageListModel::~ImageListModel() = default;

void ImageListModel::setProject(std::shared_ptr<BookProject> project)
{
    beginResetModel();
    iProject = std::move(project);
    iExists.clear();
    endResetModel();
}

void ImageListModel::perform(QUndoCommand* command)
{
    if (iUndoStack) {
        iUndoStack->push(command);  // the stack owns it
        return;
    }
    command->redo();
    delete command;
}

void ImageListModel::addImageWithPath(const QString& path)
{
    addPictures({path});
}

void ImageListModel::addImagesFromDirectory(const QString& path)
{
    addImageWithPath(path);
}

void ImageListModel::addPictures(const QStringList& paths)
{
    QStringList shown;
    for (const QString& path : paths) {
        if (!isHidden(path))
            shown.append(path);
    }
    if (!shown.isEmpty())
        perform(PictureListCommand::inserting(this, count(), shown));
}

void ImageListModel::insertDroppedPaths(const QStringList& paths, int dropIndex)
{
    if (paths.isEmpty())
        return;
    const int at = dropIndex < 0 || dropIndex > count() ? count() : dropIndex;
    perform(PictureListCommand::inserting(this, at, paths));
}

bool ImageListModel::moveItems(QList<int> rows, int destination)
{
    rows = sortedDistinct(std::move(rows), count());
    if (rows.isEmpty())
        return true;
    destination = std::clamp(destination, 0, count());
    std::vector<int> rest;
    for (int row = 0; row < count(); ++row) {
        if (!rows.contains(row))
            rest.push_back(row);
    }
    const auto above = std::count_if(rows.begin(), rows.end(), [destination](int row) { return row < destination; });
    std::vector<int> order(rest.begin(), rest.begin() + (destination - above));
    order.insert(order.end(), rows.begin(), rows.end());
    order.insert(order.end(), rest.begin() + (destination - above), rest.end());
    if (std::is_sorted(order.begin(), order.end()))
        return true;
    perform(PictureListCommand::reordering(this, std::move(order), rows));
    return true;
}

void ImageListModel::removeItems(const QList<int>& rows)
{
    const QList<int> sorted = sortedDistinct(rows, count());
    if (!sorted.isEmpty())
        perform(PictureListCommand::removing(this, sorted));
}

void ImageListModel::insertAt(int row, const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    row = std::clamp(row, 0, count());
    beginInsertRows({}, row, row + static_cast<int>(paths.size()) - 1);
    std::vector<std::string> entries;
    for (const QString& path : paths)
        entries.push_back(path.toStdString());
    auto& pictures = iProject->pictures();
    pictures.insert(pictures.begin() + row, entries.begin(), entries.end());
    endInsertRows();
}

void ImageListModel::removeAt(const QList<int>& rows)
{
    auto& pictures = iProject->pictures();
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        if (*it < 0 || *it >= count())
            continue;
        beginRemoveRows({}, *it, *it);
        pictures.erase(pictures.begin() + *it);
        endRemoveRows();
    }
}

void ImageListModel::reorder(const std::vector<int>& order)
{
    if (order.size() != iProject->pictures().size())
        return;
    emit layoutAboutToBeChanged();
    std::vector<int> newRowOf(order.size());
    std::vector<std::string> reordered;
    for (std::size_t row = 0; row < order.size(); ++row) {
        newRowOf[static_cast<std::size_t>(order[row])] = static_cast<int>(row);
        reordered.push_back(iProject->pictures()[static_cast<std::size_t>(order[row])]);
    }
    iProject->pictures() = std::move(reordered);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex& index : before)
        after.append(index.isValid() ? this->index(newRowOf[static_cast<std::size_t>(index.row())]) : index);
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

void ImageListModel::replacePaths(const QStringList& paths)
{
    const bool sameRows = paths.size() == count();
    if (!sameRows)
        beginResetModel();
    std::vector<std::string> entries;
    for (const QString& path : paths)
        entries.push_back(path.toStdString());
    iProject->pictures() = std::move(entries);
    iExists.clear();  // a relinked picture is there now
    if (!sameRows) {
        endResetModel();
        return;
    }
    if (count() > 0)
        emit dataChanged(index(0), index(count() - 1));
}

QStringList ImageListModel::paths() const
{
    QStringList result;
    for (const std::string& path : iProject->pictures())
        result.append(QString::fromStdString(path));
    return result;
}

QString ImageListModel::pathAt(int row) const
{
    return row >= 0 && row < count() ? QString::fromStdString(iProject->pictures()[static_cast<std::size_t>(row)]) : QString();
}

int ImageListModel::count() const
{
    return static_cast<int>(iProject->pictures().size());
}

bool ImageListModel::isMissing(int row) const
{
    const QString path = pathAt(row);
    const auto known = iExists.constFind(path);
    if (known != iExists.constEnd())
        return !*known;
    const bool exists = QFileInfo::exists(path);
    iExists.insert(path, exists);
    return !exists;
}

void ImageListModel::setDevicePixelRatio(qreal ratio)
{
    if (qFuzzyCompare(ratio, iThumbnails->devicePixelRatio()))
        return;
    iThumbnails->setDevicePixelRatio(ratio);
    if (count() > 0)
        emit dataChanged(index(0), index(count() - 1), {Qt::DecorationRole});
}

void ImageListModel::prioritize(int first, int last)
{
    QStringList visible;
    for (int row = std::max(first, 0); row <= std::min(last, count() - 1); ++row)
        visible.append(pathAt(row));
    iThumbnails->prioritize(visible);
}

int ImageListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant ImageListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const MyImageObject entry(pathAt(index.row()));
    const bool missing = isMissing(index.row());
    const std::optional<PictureOutcome> problem = missing ? std::nullopt : iThumbnails->problem(entry.path());
    const bool unreadable = problem && !problem->usable();
    switch (role) {
    case Qt::DisplayRole:
        if (missing || unreadable)
            return missing ? tr("%1\n(missing)").arg(entry.imageTitle()) : tr("%1\n(cannot be read)").arg(entry.imageTitle());
        return entry.imageTitle();
    case Qt::ToolTipRole:
        if (missing)
            return tr("%1\nThis file is missing: it was moved or deleted.").arg(entry.path());
        if (problem)
            return unreadable ? tr("%1\nThis file cannot be read: %2. It is left out of the book.")
                                    .arg(entry.path(), QString::fromStdString(problem->reason))
                              : tr("%1\nThis picture is damaged; its page may show grey.").arg(entry.path());
        return entry.path();
    case Qt::AccessibleTextRole:
        if (missing || unreadable)
            return missing ? tr("%1, missing").arg(entry.imageTitle()) : tr("%1, cannot be read").arg(entry.imageTitle());
        return entry.imageTitle();
    case Qt::DecorationRole:
        return thumbnailFor(entry.path(), missing);
    default:
        return {};
    }
}

Qt::ItemFlags ImageListModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags base = QAbstractListModel::flags(index);
    if (!index.isValid())
        return base | Qt::ItemIsDropEnabled;
    return base | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

Qt::DropActions ImageListModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

QStringList ImageListModel::mimeTypes() const
{
    return {QString::fromLatin1(kRowsMimeType), QStringLiteral("text/uri-list")};
}

QString ImageListModel::dragToken() const
{
    return QStringLiteral("%1:%2").arg(QCoreApplication::applicationPid()).arg(reinterpret_cast<quintptr>(this));
}

QMimeData* ImageListModel::mimeData(const QModelIndexList& indexes) const
{
    auto data = std::make_unique<QMimeData>();
    QStringList rows;
    QList<QUrl> urls;
    for (const QModelIndex& index : indexes) {
        if (!index.isValid() || index.row() >= count())
            continue;
        rows.append(QString::number(index.row()));
        urls.append(QUrl::fromLocalFile(pathAt(index.row())));
    }
    data->setData(QString::fromLatin1(kRowsMimeType), (dragToken() + QLatin1Char(';') + rows.join(QLatin1Char(','))).toLatin1());
    // Pictures dragged out of the list reach other programs as files.
    data->setUrls(urls);
    return data.release();  // Qt's drag machinery takes ownership
}

std::optional<QList<int>> ImageListModel::ownDragRows(const QMimeData* data) const
{
    if (!data || !data->hasFormat(QString::fromLatin1(kRowsMimeType)))
        return std::nullopt;
    const QList<QByteArray> parts = data->data(QString::fromLatin1(kRowsMimeType)).split(';');
    if (parts.size() != 2 || QString::fromLatin1(parts[0]) != dragToken())
        return std::nullopt;
    QList<int> rows;
    for (const QByteArray& part : parts[1].split(',')) {
        bool ok = false;
        const int value = part.toInt(&ok);
        if (ok)
            rows.append(value);
    }
    return rows;
}

bool ImageListModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int, const QModelIndex&) const
{
    return data && (ownDragRows(data) || !droppedPictures(data).isEmpty());
}

bool ImageListModel::dropMimeData(const QMimeData* data, Qt::DropAction, int row, int, const QModelIndex& parent)
{
    if (!data)
        return false;
    const int dropIndex = row >= 0 ? row : (parent.isValid() ? parent.row() : count());
    if (const std::optional<QList<int>> rows = ownDragRows(data))
        return moveItems(*rows, dropIndex);
    const QStringList paths = droppedPictures(data);
    insertDroppedPaths(paths, dropIndex);
    return !paths.isEmpty();
}

QVariant ImageListModel::thumbnailFor(const QString& path, bool missing) const
{
    static const QPixmap placeholder = placeholderPixmap(false);
    static const QPixmap missingMark = placeholderPixmap(true);
    if (missing)
        return missingMark;
    const QImage* image = iThumbnails->thumbnail(path);
    if (!image)
        return placeholder;
    if (image->isNull())
        return missingMark;
    return QPixmap::fromImage(*image);
}

void ImageListModel::onThumbnailReady(const QString& path)
{
    const std::string key = path.toStdString();
    const auto& pictures = iProject->pictures();
    for (std::size_t row = 0; row < pictures.size(); ++row) {
        if (pictures[row] == key)
            emit dataChanged(index(static_cast<int>(row)), index(static_cast<int>(row)), {Qt::DecorationRole});
    }
    emit thumbnailReady(path);
}

} // namespace pw
