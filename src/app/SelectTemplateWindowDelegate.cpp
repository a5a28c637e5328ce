#include "app/SelectTemplateWindowDelegate.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Leafreel_for_macAppDelegate.h"
#include "template/FlashTemplate.h"

namespace pw {

namespace {

constexpr int kStylePreviewWidth = 160;

QStringList foldersHolding(const std::vector<std::string>& folders, const QString& fileName)
{
    QStringList result;
    for (const std::string& folder : folders) {
        const QString path = QString::fromStdString(folder);
        if (QFileInfo(QDir(path).filePath(fileName)).isFile())
            result.append(QDir::cleanPath(path));
    }
    std::sort(result.begin(), result.end(), [](const QString& a, const QString& b) {
        return QString::compare(QFileInfo(a).fileName(), QFileInfo(b).fileName(), Qt::CaseInsensitive) < 0;
    });
    return result;
}

} // namespace

QPixmap SelectTemplateWindowDelegate::stylePreview(const QString& path, int width, qreal ratio)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    const int pixels = qRound(width * ratio);
    if (size.isValid())
        reader.setScaledSize(size.scaled(pixels, pixels, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        return {};
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(image));
}

SelectTemplateWindowDelegate::SelectTemplateWindowDelegate(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Choose a template and a style"));
    setWindowModality(Qt::WindowModal);
    buildLayout();
    reloadTmplList();
    fillTemplateTable();
}

QStringList SelectTemplateWindowDelegate::templateFolders()
{
    return foldersHolding(FlashTemplate::tmplNames(), QStringLiteral("flashTemplate.xml"));
}

QStringList SelectTemplateWindowDelegate::styleFolders(const QString& tmplName)
{
    return foldersHolding(FlashTemplate::tmplStyleNamesForTmpl(tmplName.toStdString()), QStringLiteral("tmplSetting.txt"));
}

void SelectTemplateWindowDelegate::buildLayout()
{
    iTableViewTmpls = new QListWidget(this);  // widgets are owned by their Qt parent
    iTableViewTmpls->setIconSize(QSize(32, 32));
    iTableViewTmpls->setSpacing(2);
    iTableViewTmpls->setFixedWidth(200);
    iTableViewTmpls->setAccessibleName(tr("Templates"));

    iImgBrowserView = new QListWidget(this);
    iImgBrowserView->setViewMode(QListView::IconMode);
    iImgBrowserView->setIconSize(QSize(kStylePreviewWidth, kStylePreviewWidth * 3 / 4));
    iImgBrowserView->setResizeMode(QListView::Adjust);
    iImgBrowserView->setMovement(QListView::Static);
    iImgBrowserView->setSpacing(8);
    iImgBrowserView->setMinimumSize(560, 380);
    iImgBrowserView->setAccessibleName(tr("Styles"));

    auto* lists = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Templates"), this));
    left->addWidget(iTableViewTmpls, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(tr("Styles"), this));
    right->addWidget(iImgBrowserView, 1);
    lists->addLayout(left);
    lists->addLayout(right, 1);

    auto* buttons = new QDialogButtonBox(this);
    auto* refresh = buttons->addButton(tr("Refresh"), QDialogButtonBox::ResetRole);
    buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(QDialogButtonBox::Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(buttons);

    connect(iTableViewTmpls, &QListWidget::itemSelectionChanged, this, &SelectTemplateWindowDelegate::onTemplateSelected);
    connect(iImgBrowserView, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { onStyleDoubleClicked(iImgBrowserView->row(item)); });
    connect(refresh, &QPushButton::clicked, this, &SelectTemplateWindowDelegate::onRefresh);
    connect(buttons, &QDialogButtonBox::accepted, this, &SelectTemplateWindowDelegate::onOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &SelectTemplateWindowDelegate::onCancel);
}

void SelectTemplateWindowDelegate::reloadTmplList()
{
    iTmplListData = templateFolders();
}

void SelectTemplateWindowDelegate::fillTemplateTable()
{
    const QSignalBlocker blocker(iTableViewTmpls);
    iTableViewTmpls->clear();
    for (const QString& folder : iTmplListData) {
        // Named as the main window names templates; the folder's own name stays with the item.
        const QString name = QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(Leafreel_for_macAppDelegate::capitalizedTitle(name), iTableViewTmpls);  // the list owns it
        item->setData(kFolderNameRole, name);
        item->setIcon(QIcon(QDir(folder).filePath(QStringLiteral("icon.png"))));
        item->setSizeHint(QSize(0, 35));
    }
}

void SelectTemplateWindowDelegate::prepairToTmpl(const QString& name, const QString& style)
{
    reloadTmplList();
    fillTemplateTable();
    // This file system tells letter cases apart, so the styles are those of the folder matched.
    QString matched = name;
    {
        const QSignalBlocker blocker(iTableViewTmpls);
        for (int row = 0; row < iTmplListData.size(); ++row) {
            const QString folderName = QFileInfo(iTmplListData[row]).fileName();
            if (folderName.compare(name, Qt::CaseInsensitive) != 0)
                continue;
            iTableViewTmpls->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
            matched = folderName;
        }
    }
    reloadStylesForTmpl(matched, style);
}

void SelectTemplateWindowDelegate::reloadStylesForTmpl(const QString& name, const QString& style)
{
    iTmplStylesData.clear();
    iImgBrowserView->clear();
    for (const QString& folder : styleFolders(name)) {
        IKBTmplStyleItem style{QDir(folder).filePath(QStringLiteral("shot.jpg")), QFileInfo(folder).fileName()};
        auto* item = new QListWidgetItem(QIcon(stylePreview(style.imageID, kStylePreviewWidth, devicePixelRatioF())), style.styleName,
                                         iImgBrowserView);  // the list owns it
        item->setToolTip(style.styleName);
        iTmplStylesData.push_back(std::move(style));
    }
    if (iTmplStylesData.empty())
        return;
    const auto inUse = std::find_if(iTmplStylesData.begin(), iTmplStylesData.end(),
                                    [&](const IKBTmplStyleItem& item) { return item.styleName == style; });
    iImgBrowserView->setCurrentRow(inUse == iTmplStylesData.end() ? 0 : static_cast<int>(inUse - iTmplStylesData.begin()));
}

std::optional<QString> SelectTemplateWindowDelegate::selectedStyle()
{
    const QList<QListWidgetItem*> selected = iImgBrowserView->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    const int row = iImgBrowserView->row(selected.first());
    if (row < 0 || row >= static_cast<int>(iTmplStylesData.size()))
        return std::nullopt;
    iSelectedItemIndex = row;
    return iTmplStylesData[static_cast<std::size_t>(row)].imageID;
}

void SelectTemplateWindowDelegate::onTemplateSelected()
{
    const int row = iTableViewTmpls->currentRow();
    if (row >= 0 && row < iTmplListData.size())
        reloadStylesForTmpl(QFileInfo(iTmplListData[row]).fileName());
}

void SelectTemplateWindowDelegate::onStyleDoubleClicked(int row)
{
    iSelectedItemIndex = row;
    done(1);
}

void SelectTemplateWindowDelegate::onOK()
{
    done(iImgBrowserView->selectedItems().isEmpty() ? 0 : 1);
}

void SelectTemplateWindowDelegate::onCancel()
{
    done(0);
}

void SelectTemplateWindowDelegate::onRefresh()
{
    const QString current = iTableViewTmpls->currentItem() ? iTableViewTmpls->currentItem()->data(kFolderNameRole).toString() : QString();
    reloadTmplList();
    const QSignalBlocker blocker(iTableViewTmpls);
    fillTemplateTable();
    for (int row = 0; row < iTmplListData.size(); ++row) {
        if (QFileInfo(iTmplListData[row]).fileName() == current)
            iTableViewTmpls->setCurrentRow(row);
    }
}

} // namespace pw
