#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QListWidget;

namespace pw {

// The template chooser sheet: the templates with their icons on the left, the previews of
// the selected template's styles on the right. OK (or a double click on a style) ends with 1;
// the opener then reads selectedStyle. OK with no style selected counts as Cancel.
class SelectTemplateWindowDelegate : public QDialog {
    Q_OBJECT

public:
    // One style preview: the style folder's "shot.jpg" and the folder's name.
    struct IKBTmplStyleItem {
        QString imageID;
        QString styleName;
    };

    explicit SelectTemplateWindowDelegate(QWidget* parent = nullptr);

    // Fresh lists, the template of that name (any letter case) selected, its styles shown and
    // the style of that name selected (the first when none has it), so that OK keeps what is in use.
    void prepairToTmpl(const QString& name, const QString& style = {});
    // The template folders: those below the templates folder that hold "flashTemplate.xml",
    // in name order.
    void reloadTmplList();
    // The styles of a template: its style folders that hold "tmplSetting.txt", in name order.
    // The style of that name is selected, else the first.
    void reloadStylesForTmpl(const QString& name, const QString& style = {});
    // The "shot.jpg" path of the selected style; none when no style is selected.
    std::optional<QString> selectedStyle();

    const QStringList& tmplListData() const { return iTmplListData; }
    const std::vector<IKBTmplStyleItem>& tmplStylesData() const { return iTmplStylesData; }
    int selectedItemIndex() const { return iSelectedItemIndex; }
    QListWidget* tableViewTmpls() const { return iTableViewTmpls; }
    QListWidget* imgBrowserView() const { return iImgBrowserView; }

    // Template folders and style folders as the rules above pick them, for the chooser and
    // for anyone who lists them.
    static QStringList templateFolders();
    static QStringList styleFolders(const QString& tmplName);
    // A style's preview picture, width pixels wide at ratio device pixels per pixel (the
    // screen's), so previews are sharp on high-density screens; null when it cannot be read.
    static QPixmap stylePreview(const QString& path, int width, qreal ratio);

public slots:
    void onOK();
    void onCancel();
    void onRefresh();

private:
    void buildLayout();
    void fillTemplateTable();
    void onTemplateSelected();
    void onStyleDoubleClicked(int row);

    QListWidget* iTableViewTmpls = nullptr;
    QListWidget* iImgBrowserView = nullptr;
    static constexpr int kFolderNameRole = Qt::UserRole + 1;
    std::vector<IKBTmplStyleItem> iTmplStylesData;
    QStringList iTmplListData;
    int iSelectedItemIndex = -1;
};

} // namespace pw
