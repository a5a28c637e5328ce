// The template chooser: which folders are templates and styles, selection, refresh, OK,
// double-click and Cancel.
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include "AppTestSupport.h"
#include "app/SelectTemplateWindowDelegate.h"
#include "base/ResourceFolder.h"

using pw::SelectTemplateWindowDelegate;
using pw::test::fileNames;

class TemplateChooserTest : public QObject {
    Q_OBJECT

private slots:
    void listsTheFoldersAndOkAndDoubleClickAnswerTheStyle();
};

void TemplateChooserTest::listsTheFoldersAndOkAndDoubleClickAnswerTheStyle()
{
    // A library of its own: two templates, a folder that is none, styles with and without files.
    const pw::test::AppSandbox box;
    box.writeFile(QStringLiteral("R/AppFiles/Templates/float/flashTemplate.xml"), "<t/>");
    box.writeFile(QStringLiteral("R/AppFiles/Templates/float/icon.png"), "");
    box.writeFile(QStringLiteral("R/AppFiles/Templates/Atlas/flashTemplate.xml"), "<t/>");
    box.writeFile(QStringLiteral("R/AppFiles/Templates/float/html/index.html"), "");  // a sub-folder, no template
    box.writeFile(QStringLiteral("R/AppFiles/Templates/notes/readme.txt"), "");
    for (const char* style : {"Red", "Blank", "Green"})
        box.writeFile(QStringLiteral("R/AppFiles/Styles/float/%1/tmplSetting.txt").arg(QLatin1String(style)), "");
    box.writeFile(QStringLiteral("R/AppFiles/Styles/float/Red/images/bg.jpg"), "");  // style resources
    box.writeFile(QStringLiteral("R/AppFiles/Styles/float/Unfinished/shot.jpg"), "");
    pw::resources::setResourceFolder(box.path(QStringLiteral("R")).toStdString());

    SelectTemplateWindowDelegate chooser;
    chooser.prepairToTmpl(QStringLiteral("FLOAT"), QStringLiteral("Green"));
    QCOMPARE(fileNames(chooser.tmplListData()), QStringList({"Atlas", "float"}));
    QCOMPARE(chooser.tableViewTmpls()->currentItem()->text(), QStringLiteral("Float"));  // as the window names it
    QCOMPARE(chooser.imgBrowserView()->currentItem()->text(), QStringLiteral("Green"));  // the style in use
    QCOMPARE(fileNames(SelectTemplateWindowDelegate::styleFolders(QStringLiteral("float"))), QStringList({"Blank", "Green", "Red"}));
    QCOMPARE(chooser.tmplStylesData().size(), std::size_t(3));
    QCOMPARE(chooser.tmplStylesData().front().styleName, QStringLiteral("Blank"));
    QVERIFY(chooser.tmplStylesData().front().imageID.endsWith(QStringLiteral("/Styles/float/Blank/shot.jpg")));

    // Previews are drawn at the screen's pixel ratio.
    const QPixmap preview = SelectTemplateWindowDelegate::stylePreview(
        QStringLiteral(PAGEWIND_SOURCE_DIR "/resources/AppFiles/Styles/float/Blank/shot.jpg"), 160, 2.0);
    QCOMPARE(preview.devicePixelRatio(), 2.0);
    QCOMPARE(preview.width(), 320);

    // Refresh shows a new template; the one selected and its styles stay.
    box.writeFile(QStringLiteral("R/AppFiles/Templates/Zen/flashTemplate.xml"), "<t/>");
    chooser.onRefresh();
    QCOMPARE(fileNames(chooser.tmplListData()), QStringList({"Atlas", "float", "Zen"}));
    QCOMPARE(chooser.tmplStylesData().size(), std::size_t(3));
    QCOMPARE(chooser.tableViewTmpls()->currentItem()->text(), QStringLiteral("Float"));

    chooser.open();
    chooser.imgBrowserView()->setCurrentRow(2);
    chooser.onOK();
    QCOMPARE(chooser.result(), 1);
    QVERIFY(chooser.selectedStyle().value_or(QString()).endsWith(QStringLiteral("/Styles/float/Red/shot.jpg")));
    QCOMPARE(chooser.selectedItemIndex(), 2);

    chooser.open();
    QSignalSpy finished(&chooser, &QDialog::finished);
    emit chooser.imgBrowserView()->itemDoubleClicked(chooser.imgBrowserView()->item(1));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), 1);
    QCOMPARE(chooser.selectedItemIndex(), 1);

    // Selecting the other template lists its styles: it has none, and OK counts as Cancel.
    chooser.tableViewTmpls()->setCurrentRow(0);
    QVERIFY(chooser.tmplStylesData().empty());
    chooser.open();
    chooser.onOK();
    QCOMPARE(chooser.result(), 0);
    QVERIFY(!chooser.selectedStyle());
}

QTEST_MAIN(TemplateChooserTest)
#include "TemplateChooserTest.moc"
