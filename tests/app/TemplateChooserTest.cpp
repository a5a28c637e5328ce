// The template chooser: which folders are templates and styles, selection, OK and Cancel.
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include "AppTestSupport.h"
#include "app/SelectTemplateWindowDelegate.h"
#include "base/ResourceFolder.h"

using pw::SelectTemplateWindowDelegate;

namespace {

QStringList names(const QStringList& paths)
{
    QStringList result;
    for (const QString& path : paths)
        result.append(QFileInfo(path).fileName());
    return result;
}

} // namespace

class TemplateChooserTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void templatesAndStylesAreTheFoldersWithTheirFiles();
    void prepairSelectsTheTemplateInAnyCase();
    void okAnswersTheSelectedStyle();
    void okWithoutAStyleCountsAsCancel();
    void doubleClickIsAnOk();
    void refreshShowsNewTemplates();

private:
    std::unique_ptr<pw::test::AppSandbox> iSandbox;
};

void TemplateChooserTest::init()
{
    // A library of its own: two templates, a folder that is none, styles with and without files.
    iSandbox = std::make_unique<pw::test::AppSandbox>();
    const pw::test::AppSandbox& box = *iSandbox;
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
}

void TemplateChooserTest::cleanup()
{
    pw::resources::setResourceFolder(std::nullopt);
    iSandbox.reset();
}

void TemplateChooserTest::templatesAndStylesAreTheFoldersWithTheirFiles()
{
    QCOMPARE(names(SelectTemplateWindowDelegate::templateFolders()), QStringList({"Atlas", "float"}));
    QCOMPARE(names(SelectTemplateWindowDelegate::styleFolders(QStringLiteral("float"))),
             QStringList({"Blank", "Green", "Red"}));
    QVERIFY(SelectTemplateWindowDelegate::styleFolders(QStringLiteral("missing")).isEmpty());
}

void TemplateChooserTest::prepairSelectsTheTemplateInAnyCase()
{
    SelectTemplateWindowDelegate chooser;
    chooser.prepairToTmpl(QStringLiteral("FLOAT"));
    QCOMPARE(chooser.tableViewTmpls()->currentItem()->text(), QStringLiteral("float"));
    QCOMPARE(chooser.tmplStylesData().size(), std::size_t(3));
    QCOMPARE(chooser.tmplStylesData().front().styleName, QStringLiteral("Blank"));
    QVERIFY(chooser.tmplStylesData().front().imageID.endsWith(QStringLiteral("/Styles/float/Blank/shot.jpg")));

    // Previews are drawn at the screen's pixel ratio.
    const QPixmap preview = SelectTemplateWindowDelegate::stylePreview(
        QStringLiteral(PAGEWIND_SOURCE_DIR "/resources/AppFiles/Styles/float/Blank/shot.jpg"), 160, 2.0);
    QCOMPARE(preview.devicePixelRatio(), 2.0);
    QCOMPARE(preview.width(), 320);

    // Selecting the other template lists its styles: it has none.
    chooser.tableViewTmpls()->setCurrentRow(0);
    QVERIFY(chooser.tmplStylesData().empty());
}

void TemplateChooserTest::okAnswersTheSelectedStyle()
{
    SelectTemplateWindowDelegate chooser;
    chooser.prepairToTmpl(QStringLiteral("float"));
    chooser.open();
    chooser.imgBrowserView()->setCurrentRow(2);
    chooser.onOK();
    QCOMPARE(chooser.result(), 1);
    const std::optional<QString> style = chooser.selectedStyle();
    QVERIFY(style);
    QVERIFY(style->endsWith(QStringLiteral("/Styles/float/Red/shot.jpg")));
    QCOMPARE(chooser.selectedItemIndex(), 2);
}

void TemplateChooserTest::okWithoutAStyleCountsAsCancel()
{
    SelectTemplateWindowDelegate chooser;
    chooser.prepairToTmpl(QStringLiteral("Atlas"));
    chooser.open();
    chooser.onOK();
    QCOMPARE(chooser.result(), 0);
    QVERIFY(!chooser.selectedStyle());
}

void TemplateChooserTest::doubleClickIsAnOk()
{
    SelectTemplateWindowDelegate chooser;
    chooser.prepairToTmpl(QStringLiteral("float"));
    chooser.open();
    QSignalSpy finished(&chooser, &QDialog::finished);
    emit chooser.imgBrowserView()->itemDoubleClicked(chooser.imgBrowserView()->item(1));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), 1);
    QCOMPARE(chooser.selectedItemIndex(), 1);
}

void TemplateChooserTest::refreshShowsNewTemplates()
{
    SelectTemplateWindowDelegate chooser;
    chooser.prepairToTmpl(QStringLiteral("float"));
    iSandbox->writeFile(QStringLiteral("R/AppFiles/Templates/Zen/flashTemplate.xml"), "<t/>");
    chooser.onRefresh();
    QCOMPARE(names(chooser.tmplListData()), QStringList({"Atlas", "float", "Zen"}));
    QCOMPARE(chooser.tmplStylesData().size(), std::size_t(3));  // the styles shown stay
    QCOMPARE(chooser.tableViewTmpls()->currentItem()->text(), QStringLiteral("float"));
}

QTEST_MAIN(TemplateChooserTest)
#include "TemplateChooserTest.moc"
