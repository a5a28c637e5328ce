#include "app/ImageListModel.h"

#include <QFileInfo>
#include <QIcon>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QUrl>
#include <algorithm>

namespace pw {

namespace {

QPixmap placeholderPixmap()
{
    QPixmap pixmap(ImageListModel::kThumbnailSize, ImageListModel::kThumbnailSize * 3 / 4);
    pixmap.fill(QColor(0xe4, 0xe4, 0xe4));
    return pixmap;
}

} // namespace

ImageListModel::ImageListModel(QObject* parent)
    : QAbstractListModel(parent), iThumbnails(std::make_unique<ThumbnailLoader>(kThumbnailSize))
{
    connect(iThumbnails.get(), &ThumbnailLoader::thumbnailReady, this, &ImageListModel::onThumbnailReady);
}

ImageListModel::~ImageListModel() = default;

void ImageListModel::addImageWithPath(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    if (!name.isEmpty() && name.startsWith(QLatin1Char('.')))
        return;
    const int row = count();
    beginInsertRows({}, row, row);
    iBrowserData.emplace_back(path);
    endInsertRows();
}

void ImageListModel::addImagesFromDirectory(const QString& path)
{
    addImageWithPath(path);
}

void ImageListModel::insertDroppedPaths(const QStringList& paths, int dropIndex)
{
    if (paths.isEmpty())
        return;
    const int at = std::clamp(dropIndex < 0 ? count() : dropIndex, 0, count());
    beginInsertRows({}, at, at + static_cast<int>(paths.size()) - 1);
    std::vector<MyImageObject> entries;
    for (const QString& path : paths)
        entries.emplace_back(path);
    iBrowserData.insert(iBrowserData.begin() + at, entries.begin(), entries.end());
    endInsertRows();
}

bool ImageListModel::moveItems(QList<int> rows, int destination)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int row) { return row < 0 || row >= count(); }),
               rows.end());
    if (rows.isEmpty())
        return true;
    destination = std::clamp(destination, 0, count());
    beginResetModel();
    std::vector<MyImageObject> taken;
    for (const int row : rows)
        taken.push_back(iBrowserData[static_cast<std::size_t>(row)]);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        iBrowserData.erase(iBrowserData.begin() + *it);
    const auto above = std::count_if(rows.begin(), rows.end(), [destination](int row) { return row < destination; });
    iBrowserData.insert(iBrowserData.begin() + (destination - above), taken.begin(), taken.end());
    endResetModel();
    return true;
}

void ImageListModel::removeItems(const QList<int>& rows)
{
    QList<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (auto it = sorted.rbegin(); it != sorted.rend(); ++it) {
        if (*it < 0 || *it >= count())
            continue;
        beginRemoveRows({}, *it, *it);
        iBrowserData.erase(iBrowserData.begin() + *it);
        endRemoveRows();
    }
}

QStringList ImageListModel::paths() const
{
    QStringList result;
    for (const MyImageObject& entry : iBrowserData)
        result.append(entry.path());
    return result;
}

int ImageListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant ImageListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const MyImageObject& entry = iBrowserData[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return entry.imageTitle();
    case Qt::ToolTipRole:
        return entry.path();
    case Qt::DecorationRole:
        return thumbnailFor(entry.path());
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

QMimeData* ImageListModel::mimeData(const QModelIndexList& indexes) const
{
    auto data = std::make_unique<QMimeData>();
    QStringList rows;
    QList<QUrl> urls;
    for (const QModelIndex& index : indexes) {
        if (!index.isValid() || index.row() >= count())
            continue;
        rows.append(QString::number(index.row()));
        urls.append(QUrl::fromLocalFile(iBrowserData[static_cast<std::size_t>(index.row())].path()));
    }
    data->setData(QString::fromLatin1(kRowsMimeType), rows.join(QLatin1Char(',')).toLatin1());
    // Pictures dragged out of the list reach other programs as files.
    data->setUrls(urls);
    return data.release();  // Qt's drag machinery takes ownership
}

bool ImageListModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int, const QModelIndex&) const
{
    return data && (data->hasFormat(QString::fromLatin1(kRowsMimeType)) || data->hasUrls());
}

bool ImageListModel::dropMimeData(const QMimeData* data, Qt::DropAction, int row, int, const QModelIndex& parent)
{
    if (!data)
        return false;
    const int dropIndex = row >= 0 ? row : (parent.isValid() ? parent.row() : count());
    if (data->hasFormat(QString::fromLatin1(kRowsMimeType))) {
        QList<int> rows;
        for (const QByteArray& part : data->data(QString::fromLatin1(kRowsMimeType)).split(',')) {
            bool ok = false;
            const int value = part.toInt(&ok);
            if (ok)
                rows.append(value);
        }
        return moveItems(rows, dropIndex);
    }
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    insertDroppedPaths(paths, dropIndex);
    return true;
}

QVariant ImageListModel::thumbnailFor(const QString& path) const
{
    const QImage* image = iThumbnails->thumbnail(path);
    if (!image) {
        static const QPixmap placeholder = placeholderPixmap();
        return placeholder;
    }
    if (image->isNull())
        return QIcon::fromTheme(QStringLiteral("image-missing"));
    return QPixmap::fromImage(*image);
}

void ImageListModel::onThumbnailReady(const QString& path)
{
    for (int row = 0; row < count(); ++row) {
        if (iBrowserData[static_cast<std::size_t>(row)].path() == path)
            emit dataChanged(index(row), index(row), {Qt::DecorationRole});
    }
    emit thumbnailReady(path);
}

} // namespace pw
