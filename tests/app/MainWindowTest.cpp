// The whole application, offscreen with Qt WebEngine: start-up shows the demonstration book
// in the preview, the controller's flows change the book, and a screenshot is kept.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QGroupBox>
#include <QTextEdit>
#include <QTreeView>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "AppTestSupport.h"
#include "app/AppEnvironment.h"
#include "app/ApplyChangeIndicator.h"
#include "app/FlashTemplateOutlineDelegate.h"
#include "app/ImageListModel.h"
#include "app/ImportWindowDelegate.h"
#include "app/OutputWindowDelegate.h"
#include "app/PictureBuildTask.h"
#include "app/Leafreel_for_macAppDelegate.h"
#include "app/SelectTemplateWindowDelegate.h"
#include "book/FlashPageSource.h"
#include "support/TestPdf.h"
#include "template/FlashTemplate.h"
#include "template/FlashTemplateProperty.h"

using pw::Leafreel_for_macAppDelegate;

namespace {

// Runs script in the preview and waits for its result.
QVariant evaluate(QWebEngineView* view, const QString& script)
{
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < 10000)
        QTest::qWait(20);
    return result;
}

// The number of page pictures the player has shown so far.
int shownPages(QWebEngineView* view)
{
    return evaluate(view, QStringLiteral("document.querySelectorAll('img').length")).toInt();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startupShowsTheDemonstrationBookAndKeepsAScreenshot();
    void propertyEditsBlinkUntilApplied();
    void buildTurnsThePictureListIntoTheBook();
    void choosingAStyleChangesTheTemplate();
    void quittingRemovesThePreviewFolder();
    void namesAndPaths();
    void sheetsAreKeptAsScreenshots();
};

void MainWindowTest::startupShowsTheDemonstrationBookAndKeepsAScreenshot()
{
    const pw::test::AppSandbox sandbox;
    Leafreel_for_macAppDelegate window;
    window.show();
    QSignalSpy loaded(&window, &Leafreel_for_macAppDelegate::previewLoaded);
    window.applicationDidFinishLaunching();
    window.resize(1400, 860);

    QVERIFY(window.browserData()->count() == 0);
    QCOMPARE(window.flashTmpl()->tmplName(), std::string("float"));
    QCOMPARE(window.flashPreviewFolder(), sandbox.path(QStringLiteral("data/Leafreel/Preview")));
    QVERIFY(QFile::exists(window.flashPreviewFolder() + QStringLiteral("/files/book.bin")));
    QVERIFY(QFile::exists(sandbox.path(QStringLiteral("machine/FlashPlayerTrust/PT.cfg"))));
    QVERIFY(QFile::exists(sandbox.path(QStringLiteral("data/Quirewright/Leafreel/Pagewind for Mac.log"))));

    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() > 0, 60000);
    QVERIFY(loaded.first().first().toBool());
    // The player reads book.bin over XMLHttpRequest and shows the page pictures.
    QTRY_VERIFY_WITH_TIMEOUT(shownPages(window.webView()) > 0, 30000);
    QTest::qWait(1500);  // let the first spread finish drawing for the screenshot

    const QString folder = QStringLiteral(PAGEWIND_BINARY_DIR "/app-screenshots");
    QDir().mkpath(folder);
    QVERIFY(window.grab().save(folder + QStringLiteral("/main-window.png")));

    // An applied edit reaches the preview: the player shows the new title.
    window.flashTmpl()->setPropertyValue("bookTitle", "Seen In The Preview");
    const auto loadsBefore = loaded.count();
    QVERIFY(window.applyChange());
    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() > loadsBefore, 30000);
    QTRY_VERIFY_WITH_TIMEOUT(
        evaluate(window.webView(), QStringLiteral("document.body.innerText.includes('Seen In The Preview')")).toBool(),
        30000);
}

void MainWindowTest::propertyEditsBlinkUntilApplied()
{
    const pw::test::AppSandbox sandbox;
    Leafreel_for_macAppDelegate window;
    window.applicationDidFinishLaunching();
    QTreeView* tree = window.outlineView();
    auto* model = qobject_cast<pw::FlashTemplateOutlineDelegate*>(tree->model());
    QVERIFY(model);

    const QModelIndex title = model->index(0, pw::FlashTemplateOutlineDelegate::valueColumn);
    QVERIFY(title.isValid());
    // Selecting a property shows its description.
    tree->selectionModel()->select(title, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const pw::FlashTemplateProperty* selected = model->propertyAt(title);
    QCOMPARE(window.toolTipBox()->title(), QString::fromStdString(selected->title()));
    QCOMPARE(window.toolTip()->toPlainText(), QString::fromStdString(selected->desc()));

    QVERIFY(!window.applyIndicator()->isRunning());
    QVERIFY(model->setData(title, QStringLiteral("A changed value"), Qt::EditRole));
    QVERIFY(window.applyIndicator()->isRunning());
    QVERIFY(window.applyChange());
    QVERIFY(!window.applyIndicator()->isRunning());
    QCOMPARE(window.applyIndicator()->imageName(), QStringLiteral("apply"));

    // A failed rebuild is shown, not only logged.
    QDir(window.flashPreviewFolder()).removeRecursively();
    QFile blocker(window.flashPreviewFolder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!window.applyChange());
    QVERIFY(window.statusBar()->currentMessage().startsWith(QStringLiteral("The preview")));
}

void MainWindowTest::buildTurnsThePictureListIntoTheBook()
{
    const pw::test::AppSandbox sandbox;
    Leafreel_for_macAppDelegate window;
    window.applicationDidFinishLaunching();
    const QString demo = QStringLiteral(PAGEWIND_SOURCE_DIR "/resources/DemoImgs/");
    window.browserData()->addImageWithPath(demo + QStringLiteral("01-sunrise.jpg"));
    window.browserData()->addImageWithPath(demo + QStringLiteral("02-lake.jpg"));
    window.browserData()->addImageWithPath(demo + QStringLiteral("03-dunes.jpg"));
    const auto before = window.flashPageSource();

    QSignalSpy ended(window.importWindow(), &QDialog::finished);
    window.OnBuildToPDF();
    window.OnBuildToPDF();  // a second press while building starts nothing more
    QTRY_VERIFY_WITH_TIMEOUT(ended.count() == 1, 60000);
    QVERIFY(QFile::exists(sandbox.path(QStringLiteral("tmp/Leafreel/output.pdf"))));
    QCOMPARE(ended.first().first().toInt(), 1);
    QVERIFY(window.flashPageSource() != before);
    QCOMPARE(window.flashPageSource()->normalPages().size(), std::size_t(3));
    const std::string width = window.flashTmpl()->propertyValueFor("pageWidth", "");
    QVERIFY(width != "960" && !width.empty());
    QCOMPARE(window.browserData()->count(), 3);  // the list stays as it was

    // A list without a readable picture is refused with a message; the book stays.
    const auto built = window.flashPageSource();
    window.browserData()->removeItems({0, 1, 2});
    window.browserData()->addImageWithPath(QStringLiteral(PAGEWIND_SOURCE_DIR "/README.md"));
    window.OnBuildToPDF();
    QTRY_VERIFY_WITH_TIMEOUT(!window.buildTask()->isRunning(), 30000);
    QCOMPARE(QString::fromStdString(window.buildTask()->outcome().errorName), QStringLiteral("BUILD_NO_PICTURE"));
    QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("None of the files")));
    QCOMPARE(window.flashPageSource(), built);
    QCOMPARE(ended.count(), 1);
}

void MainWindowTest::choosingAStyleChangesTheTemplate()
{
    const pw::test::AppSandbox sandbox;
    Leafreel_for_macAppDelegate window;
    window.applicationDidFinishLaunching();
    window.OnSelectTemplate();
    pw::SelectTemplateWindowDelegate* chooser = window.selectTmplWindow();
    const int classic = chooser->tmplListData().indexOf(
        QStringLiteral(PAGEWIND_SOURCE_DIR "/resources/AppFiles/Templates/classic"));
    QVERIFY(classic >= 0);
    chooser->tableViewTmpls()->setCurrentRow(classic);
    QVERIFY(!chooser->tmplStylesData().empty());
    chooser->onOK();
    QCOMPARE(window.flashTmpl()->tmplName(), std::string("classic"));
    QVERIFY(window.flashTmpl()->styleName().has_value());

    // Cancel changes nothing.
    window.OnSelectTemplate();
    window.selectTmplWindow()->onCancel();
    QCOMPARE(window.flashTmpl()->tmplName(), std::string("classic"));
}

void MainWindowTest::quittingRemovesThePreviewFolder()
{
    const pw::test::AppSandbox sandbox;
    QString preview;
    {
        Leafreel_for_macAppDelegate window;
        window.applicationDidFinishLaunching();
        preview = window.flashPreviewFolder();
        QVERIFY(QDir(preview).exists());
        window.close();
    }
    QVERIFY(!QDir(preview).exists());
}

void MainWindowTest::namesAndPaths()
{
    QCOMPARE(Leafreel_for_macAppDelegate::capitalizedTitle(QStringLiteral("float")), QStringLiteral("Float"));
    QCOMPARE(Leafreel_for_macAppDelegate::capitalizedTitle(QStringLiteral("my CLASSIC book")),
             QStringLiteral("My Classic Book"));
    QCOMPARE(Leafreel_for_macAppDelegate::settingsExportPath(QStringLiteral("/s/mine")), QStringLiteral("/s/mine.txt"));
    QCOMPARE(Leafreel_for_macAppDelegate::settingsExportPath(QStringLiteral("/s/mine.cfg")), QStringLiteral("/s/mine.cfg"));
}

void MainWindowTest::sheetsAreKeptAsScreenshots()
{
    const pw::test::AppSandbox sandbox;
    Leafreel_for_macAppDelegate window;
    window.resize(1200, 800);
    window.show();
    window.applicationDidFinishLaunching();
    const QString folder = QStringLiteral(PAGEWIND_BINARY_DIR "/app-screenshots");
    QDir().mkpath(folder);
    window.OnSelectTemplate();
    QVERIFY(QTest::qWaitForWindowExposed(window.selectTmplWindow()));
    QVERIFY(window.selectTmplWindow()->grab().save(folder + QStringLiteral("/template-chooser.png")));
    window.selectTmplWindow()->onCancel();
    window.OnConvertToFlipBook();
    QVERIFY(QTest::qWaitForWindowExposed(window.outputWindow()));
    QVERIFY(window.outputWindow()->grab().save(folder + QStringLiteral("/publish-sheet.png")));
    window.outputWindow()->onCancel();
    window.OnImportPDF();
    QVERIFY(QTest::qWaitForWindowExposed(window.importWindow()));
    QVERIFY(window.importWindow()->grab().save(folder + QStringLiteral("/import-sheet.png")));
    window.importWindow()->onCancelAction();
    QVERIFY(!window.importWindow()->isVisible());
}

int main(int argc, char* argv[])
{
    pw::prepareWebEngineEnvironment();
    QApplication application(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowTest.moc"
