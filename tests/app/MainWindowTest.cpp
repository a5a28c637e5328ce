// The whole application, offscreen with Qt WebEngine: start-up shows the demonstration book in
// the preview, the window's flows change the book and undo, its place and folders are
// remembered, two windows keep their own previews, every control has a name, the sheets and
// questions are kept as screenshots; projects are saved and opened again with their book,
// unsaved changes asked about before they are lost, what is missing named, the last ten kept
// in Open Recent; F1 opens the manual at the property asked about.
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeView>
#include <QUndoStack>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "AppTestSupport.h"
#include "app/AppEnvironment.h"
#include "app/ApplyChangeIndicator.h"
#include "app/FlashTemplateOutlineDelegate.h"
#include "app/ImageBrowserView.h"
#include "app/ImageListModel.h"
#include "app/ImportWindowDelegate.h"
#include "app/InterfaceLanguage.h"
#include "app/ManualWindow.h"
#include "app/OutputWindowDelegate.h"
#include "app/AppSettings.h"
#include "app/PageImportTask.h"
#include "app/PreferencesDialog.h"
#include "app/ProgressSheet.h"
#include "app/RecentProjects.h"
#include "app/SelectTemplateWindowDelegate.h"
#include "app/UserManual.h"
#include "app/WindowActions.h"
#include "base/NotificationCenter.h"
#include "base/ResourceFolder.h"
#include "book/FlashPageSource.h"
#include "project/TemplateTree.h"
#include "pdf/PictureDocumentBuilder.h"
#include "support/TestPdf.h"
#include "template/FlashTemplate.h"
#include "template/FlashTemplateProperty.h"

using pw::Leafreel_for_macAppDelegate;
using pw::ProjectSession;
using pw::test::demoPicture;
using pw::test::evaluate;
using pw::test::rebuildsPreview;
using pw::test::StartedWindow;

namespace {

// What the undoable edits change, to compare before and after.
QStringList snapshot(const Leafreel_for_macAppDelegate& window)
{
    QStringList state{QString::fromStdString(window.flashTmpl()->tmplName()),
                      QString::fromStdString(window.flashTmpl()->styleName().value_or("-"))};
    pw::templatetree::forEachProperty(*window.flashTmpl(), [&](const pw::FlashTemplateProperty& property) {
        state.append(QString::fromStdString(property.key() + "=" + property.value().value_or("(none)")));
    });
    state.append(window.browserData()->paths());
    state.append(QString::number(reinterpret_cast<quintptr>(window.flashPageSource().get())));
    return state;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { pw::prepareWebEngineEnvironment(); }

private slots:
    void startupShowsTheBookEditsApplyAndEveryControlAndSheetIsNamedAndKept();
    void buildTurnsThePictureListIntoTheBook();
    void everyEditUndoes_data();
    void everyEditUndoes();
    void windowsKeepTheirOwnPreviewAndRememberTheirPlace();
    void aSavedProjectOpensWithItsBookAndOpeningNamesWhatIsMissing();
    void speaksTheLanguageChosenInPreferences();
};

void MainWindowTest::startupShowsTheBookEditsApplyAndEveryControlAndSheetIsNamedAndKept()
{
    const pw::test::AppSandbox sandbox;
    Leafreel_for_macAppDelegate window;
    window.show();
    QSignalSpy loaded(&window, &Leafreel_for_macAppDelegate::previewLoaded);
    QVERIFY(rebuildsPreview(window, [&] { window.applicationDidFinishLaunching(); }));
    window.resize(1400, 860);

    QCOMPARE(window.windowTitle(), QStringLiteral("Untitled[*] \u2014 Pagewind"));
    QCOMPARE(window.flashTmpl()->tmplName(), std::string("float"));
    QVERIFY(window.flashPreviewFolder().startsWith(sandbox.path(QStringLiteral("data/Leafreel/Preview/run-"))));
    QVERIFY(QFile::exists(window.flashPreviewFolder() + QStringLiteral("/files/book.bin")));
    QVERIFY(QFile::exists(sandbox.path(QStringLiteral("machine/FlashPlayerTrust/PT.cfg"))));
    QVERIFY(QFile::exists(sandbox.path(QStringLiteral("data/Quirewright/Leafreel/Pagewind for Mac.log"))));

    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() > 0, 60000);
    QVERIFY(loaded.first().first().toBool());
    // The player reads book.bin over XMLHttpRequest and shows the page pictures.
    QTRY_VERIFY_WITH_TIMEOUT(evaluate(window.webView(), QStringLiteral("document.querySelectorAll('img').length")).toInt() > 0,
                             30000);
    QTest::qWait(1500);  // let the first spread finish drawing for the screenshot
    QVERIFY(window.grab().save(pw::test::screenshotFolder() + QStringLiteral("/main-window.png")));
    // In the preview the application's shortcuts win: Ctrl+P publishes, and the book prints nothing.
    QWidget* page = window.webView()->focusProxy();
    QVERIFY(page);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    page->setFocus();
    QTRY_VERIFY(page->hasFocus());
    QTest::keyClick(page, Qt::Key_P, Qt::ControlModifier);
    QTRY_VERIFY(window.outputWindow() && window.outputWindow()->isVisible());
    QCOMPARE(evaluate(window.webView(), QStringLiteral("document.querySelectorAll('.pw-sheet').length")).toInt(), 0);
    window.outputWindow()->reject();
    evaluate(window.webView(), QStringLiteral("window.print()"));
    QTRY_VERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("does not print")));

    QTreeView* tree = window.outlineView();
    auto* model = qobject_cast<pw::FlashTemplateOutlineDelegate*>(tree->model());
    // A click, then the Down key, in the view: the description follows the selection.
    const void* tipSender = nullptr;
    const pw::ObserverRegistration tips("UpdateFlashTmplProTipNotification",
                                        [&](const pw::Notification& notification) { tipSender = notification.sender; });
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(model->index(0, 0)).center());
    for (const bool clicked : {true, false}) {
        const pw::FlashTemplateProperty* selected = model->propertyAt(tree->currentIndex());
        QCOMPARE(selected, model->propertyAt(model->index(clicked ? 0 : 1, 0)));
        QCOMPARE(tipSender, static_cast<const void*>(model));
        QCOMPARE(window.toolTipBox()->title(), QString::fromStdString(selected->title()));
        QCOMPARE(window.toolTip()->toPlainText(), QString::fromStdString(selected->desc()));
        tipSender = nullptr;
        QTest::keyClick(tree, Qt::Key_Down);
    }

    // An edit blinks the Apply item until it is applied; then the player shows the new title.
    const QModelIndex title = model->index(2, pw::FlashTemplateOutlineDelegate::valueColumn);
    QVERIFY(!window.applyIndicator()->isRunning());
    QVERIFY(model->setData(title, QStringLiteral("Seen In The Preview"), Qt::EditRole));
    QVERIFY(window.applyIndicator()->isRunning());
    QVERIFY(window.isWindowModified());
    QVERIFY(rebuildsPreview(window, [&] { window.applyChange(); }));
    QVERIFY(!window.applyIndicator()->isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(
        evaluate(window.webView(), QStringLiteral("document.body.innerText.includes('Seen In The Preview')")).toBool(),
        30000);

    // A failed rebuild is shown, not only logged.
    QDir(window.flashPreviewFolder()).removeRecursively();
    QFile blocker(window.flashPreviewFolder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!rebuildsPreview(window, [&] { window.applyChange(); }));
    QVERIFY(window.statusBar()->currentMessage().startsWith(QStringLiteral("The preview")));

    // Every control has a name; the sheets and questions are kept as screenshots.
    QStringList unnamed;
    const auto checkNames = [&](QWidget* top) {
        for (QWidget* widget : top->findChildren<QWidget*>()) {
            // Parts of compound controls (a combo box's list, the web view's own surface) are
            // named through their control.
            const bool part = qobject_cast<QComboBox*>(widget->parentWidget()) ||
                              qobject_cast<QWebEngineView*>(widget->parentWidget()) || qobject_cast<QFileDialog*>(widget->window());
            if (part || widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(top))
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
                unnamed.append(QStringLiteral("%1 in %2").arg(widget->metaObject()->className(), top->windowTitle()));
        }
    };
    const auto keep = [&](QWidget* shown, const char* name) {
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        checkNames(shown);
        QVERIFY(shown->grab().save(pw::test::screenshotFolder() + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")));
        shown->hide();
    };
    checkNames(&window);
    // The toolbar's pictures are all as large as the toolbar asks, so its buttons line up.
    auto* toolbar = window.findChild<QToolBar*>();
    for (QAction* action : toolbar->actions()) {
        if (!action->isSeparator())
            QCOMPARE(action->icon().actualSize(toolbar->iconSize()), toolbar->iconSize());
    }
    window.OnSelectTemplate();
    keep(window.selectTmplWindow(), "template-chooser");
    window.OnConvertToFlipBook();
    keep(window.outputWindow(), "publish-sheet");
    window.OnImportPDF();
    keep(window.importWindow(), "import-sheet");

    const auto unsaved = pw::ProjectSession::makeUnsavedQuestion(&window, QStringLiteral("Our Trip"));
    keep(unsaved.get(), "unsaved-changes-question");
    // Every answer has a key of its own: Alt+D is "Don't Save".
    unsaved->show();
    QApplication::setActiveWindow(unsaved.get());
    QTest::keyClick(unsaved.get(), Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(unsaved->clickedButton(), unsaved->button(QMessageBox::Discard));
    const auto replace = pw::OutputWindowDelegate::makeReplaceQuestion(&window, QStringLiteral("/home/ann/Books/Trip"));
    keep(replace.get(), "replace-book-question");
    const QString embed = QStringLiteral("<iframe src=\"trip/index.html\" title=\"Trip\"></iframe>");
    const auto finished = pw::OutputWindowDelegate::makeFinishedQuestion(&window, embed);
    QCOMPARE(finished->informativeText(), QStringLiteral("Publish finished! Open it?"));  // once misspelt
    QVERIFY(finished->windowTitle() != finished->text());  // a short title, not the question again
    keep(finished.get(), "publish-finished-question");
    // Copying the embed code leaves the question open.
    finished->show();
    const QList<QAbstractButton*> buttons = finished->buttons();
    const auto copy = std::find_if(buttons.begin(), buttons.end(), [](auto* b) { return b->text() == QStringLiteral("&Copy Embed Code"); });
    QVERIFY(copy != buttons.end());
    (*copy)->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), embed);
    QVERIFY(finished->isVisible());
    finished->hide();
    pw::ProgressSheet progress(QStringLiteral("Updating the preview…"), &window);
    progress.setProgress(120, 500);
    keep(&progress, "progress-sheet");
    window.browserData()->addPictures({demoPicture("01-sunrise.jpg"), QStringLiteral("/gone/lake.jpg")});
    window.browserView()->selectionModel()->select(window.browserData()->index(0), QItemSelectionModel::Select);
    const std::unique_ptr<QMenu> menu(window.browserView()->makeContextMenu());
    keep(menu.get(), "picture-context-menu");
    QTest::qWait(300);  // the thumbnail
    keep(window.browserView(), "picture-list-with-missing");
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));

    // The chooser opens on the style in use, and OK on it keeps the edits made since.
    pw::SelectTemplateWindowDelegate* chooser = window.selectTmplWindow();
    const auto choose = [&](const QString& tmpl, const QString& style) {
        window.actions()->chooseTemplate->trigger();
        QTRY_VERIFY(chooser->isVisible());
        const QList<QListWidgetItem*> templates = chooser->tableViewTmpls()->findItems(tmpl, Qt::MatchExactly);
        QVERIFY(!templates.isEmpty());  // named as the main window names templates
        chooser->tableViewTmpls()->setCurrentItem(templates.first());
        chooser->imgBrowserView()->setCurrentItem(chooser->imgBrowserView()->findItems(style, Qt::MatchExactly).first());
        QTest::keyClick(chooser->imgBrowserView(), Qt::Key_Return);
        QTRY_VERIFY(!chooser->isVisible());
    };
    choose(QStringLiteral("Classic"), QStringLiteral("Walnut"));
    QCOMPARE(window.btnFloat()->text(), QStringLiteral("Classic \u2014 Walnut"));
    QVERIFY(model->setData(model->index(2, pw::FlashTemplateOutlineDelegate::valueColumn), "Edited", Qt::EditRole));
    const QStringList edited = snapshot(window);
    const int steps = window.session()->undoStack()->count();

    // Ctrl+T then Enter: the chooser shows the style in use, and taking it changes nothing.
    QCOMPARE(window.actions()->chooseTemplate->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
    window.actions()->chooseTemplate->trigger();
    QTRY_VERIFY(chooser->isVisible());
    QCOMPARE(chooser->tableViewTmpls()->currentItem()->text(), QStringLiteral("Classic"));
    QCOMPARE(chooser->imgBrowserView()->currentItem()->text(), QStringLiteral("Walnut"));
    QVERIFY(chooser->grab().save(pw::test::screenshotFolder() + QStringLiteral("/template-chooser-current-style.png")));
    QTest::keyClick(chooser->imgBrowserView(), Qt::Key_Return);
    QTRY_VERIFY(!chooser->isVisible());
    QCOMPARE(snapshot(window), edited);
    QCOMPARE(window.session()->undoStack()->count(), steps);
    // Names of templates and settings files.
    QCOMPARE(Leafreel_for_macAppDelegate::capitalizedTitle(QStringLiteral("my CLASSIC book")),
             QStringLiteral("My Classic Book"));
    QCOMPARE(Leafreel_for_macAppDelegate::settingsExportPath(QStringLiteral("/s/mine")), QStringLiteral("/s/mine.txt"));
    QCOMPARE(Leafreel_for_macAppDelegate::settingsExportPath(QStringLiteral("/s/mine.cfg")), QStringLiteral("/s/mine.cfg"));
}

void MainWindowTest::buildTurnsThePictureListIntoTheBook()
{
    const pw::test::AppSandbox sandbox;
    // Build files left by processes that ended are removed at start; a running one's stays.
    const QString builds = sandbox.path(QStringLiteral("tmp/Leafreel/"));
    const QString ownBuild = QString::fromStdString(pw::PictureDocumentBuilder::buildFilePath());
    for (const char* name : {"output-99999999.pdf", "output-99999999.pdf.part-99999999", "output-1.pdf"})
        sandbox.writeFile(QStringLiteral("tmp/Leafreel/") + QLatin1String(name), "%PDF-1.4");
    StartedWindow started(true);
    Leafreel_for_macAppDelegate& window = started.window;
    QCOMPARE(QDir(builds).entryList(QDir::Files), QStringList({"output-1.pdf"}));
    const auto before = window.flashPageSource();
    pw::ProgressSheet* sheet = nullptr;
    for (pw::ProgressSheet* candidate : window.findChildren<pw::ProgressSheet*>()) {
        if (candidate->labelText() == QStringLiteral("Reading the pictures…"))
            sheet = candidate;
    }
    QVERIFY(sheet);

    // Build has its own sheet, which counts the pages; Cancel stops it and leaves the book.
    QStringList forty;
    for (int i = 0; i < 40; ++i)
        forty.append(demoPicture(i % 2 ? "02-lake.jpg" : "01-sunrise.jpg"));
    window.browserData()->addPictures(forty);
    window.actions()->buildBook->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(sheet->isVisible() && sheet->labelText().contains(QStringLiteral(" of 40")), 60000);
    QVERIFY2(QRegularExpression(QStringLiteral("^Building the book: page \\d+ of 40$")).match(sheet->labelText()).hasMatch(),
             qPrintable(sheet->labelText()));
    QVERIFY(sheet->grab().save(pw::test::screenshotFolder() + QStringLiteral("/build-sheet.png")));
    sheet->findChild<QPushButton*>()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!window.pageImportTask()->isRunning(), 60000);
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Build cancelled; the book is unchanged."));
    QVERIFY(!QFile::exists(ownBuild));
    QCOMPARE(window.flashPageSource(), before);
    window.session()->undoStack()->undo();

    // The pages are made without the import sheet; the files that are no pictures are listed.
    const QString notAPicture = QStringLiteral(PAGEWIND_SOURCE_DIR "/README.md");
    window.browserData()->addPictures({demoPicture("01-sunrise.jpg"), notAPicture, demoPicture("02-lake.jpg"), demoPicture("03-dunes.jpg")});
    QVERIFY(rebuildsPreview(window, [&] {
        window.OnBuildToPDF();
        window.OnBuildToPDF();  // a second press while building starts nothing more
    }));
    QVERIFY(!window.importWindow()->isVisible());
    QCOMPARE(window.flashPageSource()->normalPages().size(), std::size_t(3));
    QCOMPARE(window.project()->bookPages().origin, pw::PagesOrigin::pictures);
    QCOMPARE(window.project()->bookPages().builtPictures.size(), std::size_t(4));
    QVERIFY(window.findChildren<QMessageBox*>().last()->text().contains(QStringLiteral("The book has 3 pages. These files") + QStringLiteral(" of the list are not pictures that can be read and were left out:\n  ") + notAPicture));
    const std::string width = window.flashTmpl()->propertyValueFor("pageWidth", "");
    QVERIFY(width != "960" && !width.empty());
    QCOMPARE(window.browserData()->count(), 4);  // the list stays as it was
    // The build file is now the book's own PDF (readers may download it): kept under a name of its
    // own while the book has it, gone with the book. The import's own choices are not touched.
    QVERIFY(!QFile::exists(ownBuild));
    const QString kept = QStringLiteral("output-%1-*.pdf").arg(QCoreApplication::applicationPid());
    QCOMPARE(QDir(builds).entryList({kept}).size(), 1);
    QCOMPARE(pw::AppSettings().lastImportedFile(), QString());

    // The build is one step: undone, the book and its page size are as they were.
    window.session()->undoStack()->undo();
    QCOMPARE(window.flashPageSource(), before);
    QCOMPARE(window.flashTmpl()->propertyValueFor("pageWidth", ""), std::string("960"));
    QVERIFY(rebuildsPreview(window, [&] { window.session()->undoStack()->redo(); }));
    const pw::FlashPageSource* built = window.flashPageSource().get();  // held by the book alone

    // A list without a readable picture is refused with a message; the book stays.
    window.browserData()->removeItems({0, 1, 2, 3});
    window.browserData()->addImageWithPath(notAPicture);
    window.OnBuildToPDF();
    QTRY_VERIFY_WITH_TIMEOUT(!window.pageImportTask()->isRunning(), 30000);
    QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("None of the files")));
    QCOMPARE(window.flashPageSource().get(), built);
    QVERIFY(rebuildsPreview(window, [&] { window.session()->newProject(); }));
    QTRY_COMPARE(QDir(builds).entryList({kept}), QStringList());
}

void MainWindowTest::everyEditUndoes_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("undoText");
    QTest::addColumn<QString>("status");  // when the edit counts the pictures
    QTest::newRow("property") << "property" << "&Undo Change \u201cPage width\u201d" << "";
    QTest::newRow("template and style") << "template" << "&Undo Choose Template" << "";
    QTest::newRow("settings file") << "settings" << "&Undo Import Settings" << "";
    QTest::newRow("pictures") << "pictures" << "&Undo Add 2 Pictures" << "4 pictures in the list";
    QTest::newRow("Edit: Select All, Delete") << "removal" << "&Undo Remove 2 Pictures" << "0 pictures in the list";
}

void MainWindowTest::everyEditUndoes()
{
    QFETCH(QString, edit);
    QFETCH(QString, undoText);
    QFETCH(QString, status);
    const pw::test::AppSandbox sandbox;
    StartedWindow started(true);
    Leafreel_for_macAppDelegate& window = started.window;
    window.browserData()->addPictures({demoPicture("01-sunrise.jpg"), demoPicture("02-lake.jpg")});
    window.session()->undoStack()->clear();
    const QStringList before = snapshot(window);
    if (edit == "property") {
        auto* model = qobject_cast<pw::FlashTemplateOutlineDelegate*>(window.outlineView()->model());
        QVERIFY(model->setData(model->index(0, pw::FlashTemplateOutlineDelegate::valueColumn), "640", Qt::EditRole));
    } else if (edit == "template") {
        window.OnSelectTemplate();
        window.selectTmplWindow()->tableViewTmpls()->setCurrentRow(0);  // "classic"
        window.selectTmplWindow()->onOK();
    } else if (edit == "settings") {
        const QString file = sandbox.writeFile(QStringLiteral("mine.txt"), "\n\rbookTitle=From A File\n\rpageWidth=1");
        window.OnImportTmplSettings();
        pw::test::answerPanel(&window, file);
    } else if (edit == "pictures") {
        window.OnImportImage();
        QCOMPARE(pw::test::openedPanel(&window)->windowTitle(), QStringLiteral("Add Pictures"));
        pw::test::answerPanel(&window, QStringLiteral("\"03-dunes.jpg\" \"04-forest.jpg\""), demoPicture({}));
    } else {
        // The Edit menu's own items, as a click finds them.
        QMenu* editMenu = window.menuBar()->actions().at(1)->menu();
        for (const char* item : {"Select &All", "&Delete"}) {
            const QList<QAction*> actions = editMenu->actions();
            const auto found = std::find_if(actions.begin(), actions.end(), [&](QAction* a) { return a->text() == QLatin1String(item); });
            QVERIFY2(found != actions.end() && (*found)->isEnabled(), item);
            (*found)->trigger();
        }
    }
    QTRY_VERIFY(window.session()->undoStack()->canUndo());
    const QStringList after = snapshot(window);
    QVERIFY(after != before);
    QCOMPARE(window.actions()->undo->text(), undoText);
    QCOMPARE(window.actions()->undo->shortcut(), QKeySequence(QKeySequence::Undo));
    QCOMPARE(window.actions()->redo->shortcut(), QKeySequence(QKeySequence::Redo));
    if (!status.isEmpty())
        QCOMPARE(window.statusBar()->currentMessage(), status);
    window.actions()->undo->trigger();
    QCOMPARE(snapshot(window), before);
    QVERIFY(!window.isWindowModified());
    window.actions()->redo->trigger();
    QCOMPARE(snapshot(window), after);
}

void MainWindowTest::windowsKeepTheirOwnPreviewAndRememberTheirPlace()
{
    const pw::test::AppSandbox sandbox;
    auto second = std::make_unique<StartedWindow>(true);
    const QString secondPreview = second->window.flashPreviewFolder();
    // The first start fills the screen's room less a frame: the title bar stays on the screen.
    const QRect wide = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(wide.contains(second->window.geometry()) && second->window.height() < wide.height());
    QString firstPreview;
    {
        StartedWindow first(true);
        firstPreview = first.window.flashPreviewFolder();
        first.window.OnImportImage();
        pw::test::answerPanel(&first.window, demoPicture("01-sunrise.jpg"));
        QVERIFY(first.window.close());
    }
    // Quitting one window leaves the other's preview.
    QVERIFY(!QDir(firstPreview).exists());
    QVERIFY(QFile::exists(secondPreview + QStringLiteral("/index.html")));
    // The window closed last leaves its place for the next start.
    second->window.resize(1000, 650);
    second->window.splitter()->setSizes({380, 480, 132});
    const QList<int> sizes = second->window.splitter()->sizes();
    QVERIFY(second->window.close());
    second.reset();
    QVERIFY(!QDir(secondPreview).exists());

    StartedWindow again(true);
    QCOMPARE(again.window.size(), QSize(1000, 650));
    QCOMPARE(again.window.splitter()->sizes(), sizes);
    again.window.OnImportImage();
    QFileDialog* panel = pw::test::openedPanel(&again.window);
    QVERIFY(panel);
    QCOMPARE(QDir(panel->directory()).canonicalPath(), QDir(demoPicture({})).canonicalPath());
    panel->reject();

    // A maximised window comes back maximised.
    again.window.showMaximized();
    QTRY_VERIFY(again.window.isMaximized());
    QVERIFY(again.window.close());
    auto maximised = std::make_unique<StartedWindow>(true);
    QVERIFY(maximised->window.isMaximized());
    // Left half off the small screen and larger than it, the window comes back whole on it.
    const auto screens = QGuiApplication::screens();
    const auto smallScreen = std::find_if(screens.begin(), screens.end(), [](QScreen* s) { return s->name() == "small"; });
    QVERIFY(smallScreen != screens.end());  // screens.json
    const QRect small = (*smallScreen)->availableGeometry();
    maximised->window.showNormal();
    maximised->window.setGeometry(small.left() + 300, small.top() - 80, small.width() + 200, small.height() + 100);
    QVERIFY(maximised->window.close());
    maximised.reset();
    StartedWindow moved(true);
    const QRect back = moved.window.geometry();
    QVERIFY2(small.contains(back) && back.width() < small.width() && back.height() < small.height(),
             qPrintable(QStringLiteral("%1,%2 %3x%4").arg(back.x()).arg(back.y()).arg(back.width()).arg(back.height())));
}

void MainWindowTest::aSavedProjectOpensWithItsBookAndOpeningNamesWhatIsMissing()
{
    const pw::test::AppSandbox sandbox;
    const QString pdf = sandbox.writeFile(QStringLiteral("work/doc.pdf"), QByteArray::fromStdString(pw::test::makePlainPdf(3)));
    const QString file = sandbox.path(QStringLiteral("work/trip"));
    {
        StartedWindow first;
        first.window.browserData()->addPictures({demoPicture("01-sunrise.jpg"), demoPicture("02-lake.jpg")});
        auto* model = qobject_cast<pw::FlashTemplateOutlineDelegate*>(first.window.outlineView()->model());
        QVERIFY(model->setData(model->index(2, pw::FlashTemplateOutlineDelegate::valueColumn), "Saved Title", Qt::EditRole));
        first.window.OnImportPDF();
        first.window.importWindow()->setImportFile(pdf);
        QVERIFY(rebuildsPreview(first.window, [&] { first.window.importWindow()->startImport(); }));

        first.savePath = file;  // the extension is added
        QVERIFY(first.window.session()->save());
        QCOMPARE(first.window.windowTitle(), QStringLiteral("trip[*] \u2014 Pagewind"));
        QVERIFY(!first.window.isWindowModified());
    }
    StartedWindow second;
    QVERIFY(rebuildsPreview(second.window, [&] { QVERIFY(second.window.session()->openPath(file + QStringLiteral(".pagewind"))); }));
    QCOMPARE(second.window.browserData()->count(), 2);
    QCOMPARE(second.window.flashTmpl()->propertyValueFor("bookTitle", ""), std::string("Saved Title"));
    // The pages are made again from the PDF, off the main thread.
    QVERIFY(second.window.flashPageSource());
    QCOMPARE(second.window.flashPageSource()->normalPages().size(), std::size_t(3));
    QVERIFY(!second.window.isWindowModified());
    QVERIFY(second.problems.isEmpty());

    // What is missing is named; the preview shows the demonstration pages.
    const QString missing = sandbox.writeFile(
        QStringLiteral("p.pagewind"),
        "<pagewindProject version=\"1\"><pictures><picture>gone/lake.jpg</picture></pictures>"
        "<pages origin=\"pdf\"><pdf>gone/doc.pdf</pdf></pages><template name=\"float\"/></pagewindProject>");
    QVERIFY(second.window.session()->openPath(missing));
    QVERIFY(second.window.browserData()->isMissing(0));
    const auto boxes = second.window.findChildren<QMessageBox*>();
    QVERIFY(!boxes.isEmpty());
    const QString message = boxes.last()->text();
    QVERIFY2(message.contains(sandbox.path(QStringLiteral("gone/doc.pdf"))) &&
                 message.contains(sandbox.path(QStringLiteral("gone/lake.jpg"))),
             qPrintable(message));
    QVERIFY(!second.window.flashPageSource());

    // Pictures moved with their folder are named once, and Locate… in the message finds them all
    // in the new folder as one step; the pages are made again.
    QVERIFY(QDir().mkpath(sandbox.path(QStringLiteral("old"))));
    for (const auto& [name, picture] : {std::pair{"a.jpg", "01-sunrise.jpg"}, std::pair{"b.jpg", "02-lake.jpg"}})
        QVERIFY(QFile::copy(demoPicture(picture), sandbox.path(QStringLiteral("old/")) + QLatin1String(name)));
    const QStringList old{sandbox.path(QStringLiteral("old/a.jpg")), sandbox.path(QStringLiteral("old/b.jpg"))};
    QVERIFY(rebuildsPreview(second.window, [&] { second.window.session()->newProject(); }));
    second.window.browserData()->addPictures(old);
    QVERIFY(rebuildsPreview(second.window, [&] { second.window.OnBuildToPDF(); }));
    QCOMPARE(second.window.project()->bookPages().origin, pw::PagesOrigin::pictures);
    QVERIFY(second.window.session()->saveTo(sandbox.path(QStringLiteral("moved.pagewind"))));
    QVERIFY(QDir(sandbox.path({})).rename(QStringLiteral("old"), QStringLiteral("new")));
    QVERIFY(rebuildsPreview(second.window, [&] { QVERIFY(second.window.session()->openPath(sandbox.path(QStringLiteral("moved.pagewind")))); }));
    QMessageBox* report = second.window.findChildren<QMessageBox*>().last();
    QCOMPARE(report->text().count(old.first()), 1);
    QVERIFY(!second.window.flashPageSource());
    report->show();
    QVERIFY(report->grab().save(pw::test::screenshotFolder() + QStringLiteral("/relink-message.png")));
    QPushButton* locate = nullptr;
    for (QPushButton* button : report->findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("&Locate\u2026"))
            locate = button;
    }
    QVERIFY(locate);
    const int steps = second.window.session()->undoStack()->count();
    QVERIFY(rebuildsPreview(second.window, [&] {
        locate->click();
        pw::test::answerPanel(&second.window, sandbox.path(QStringLiteral("new/a.jpg")));
    }));
    QCOMPARE(pw::test::fileNames(second.window.browserData()->paths()), QStringList({"a.jpg", "b.jpg"}));
    QCOMPARE(second.window.browserData()->paths().last(), sandbox.path(QStringLiteral("new/b.jpg")));
    QVERIFY(!second.window.browserData()->isMissing(1));
    QTRY_VERIFY_WITH_TIMEOUT(second.window.flashPageSource(), 60000);
    QCOMPARE(second.window.flashPageSource()->normalPages().size(), std::size_t(2));
    QCOMPARE(second.window.session()->undoStack()->count(), steps + 1);
    QSignalSpy thumbnails(second.window.browserData(), &pw::ImageListModel::thumbnailReady);
    second.window.browserView()->grab();  // asks for the thumbnails of the new places
    QTRY_VERIFY_WITH_TIMEOUT(thumbnails.count() >= 2, 30000);
    QVERIFY(second.window.browserView()->grab().save(pw::test::screenshotFolder() + QStringLiteral("/relinked-pictures.png")));
    // Undone, the pictures are missing again; Show in Folder then says their folder is gone.
    second.window.session()->undoStack()->undo();
    QVERIFY(second.window.browserData()->isMissing(0));
    second.window.browserView()->selectionModel()->select(second.window.browserData()->index(0), QItemSelectionModel::ClearAndSelect);
    second.window.browserView()->showSelectionInFolder();
    QVERIFY(second.window.findChildren<QMessageBox*>().last()->text().contains(QStringLiteral("no longer exists")));

    sandbox.writeFile(QStringLiteral("new.pagewind"), "<pagewindProject version=\"9\"/>");
    QVERIFY(!second.window.session()->openPath(sandbox.path(QStringLiteral("new.pagewind"))));
    QVERIFY(second.problems.last().contains(QStringLiteral("newer")));
    QCOMPARE(second.window.session()->project()->displayName(), std::string("moved"));  // the open project stays

    // Open Recent keeps the last ten; one that is gone is named and removed.
    for (int i = 0; i < 12; ++i)
        QVERIFY(second.window.session()->saveTo(sandbox.path(QStringLiteral("p%1.pagewind").arg(i))));
    const QStringList recent = pw::RecentProjects::paths();
    QCOMPARE(recent.size(), 10);
    QCOMPARE(recent.first(), sandbox.path(QStringLiteral("p11.pagewind")));
    QCOMPARE(recent.last(), sandbox.path(QStringLiteral("p2.pagewind")));

    QFile::remove(recent[3]);
    second.window.session()->openRecent(recent[3]);
    QVERIFY(second.problems.last().contains(QStringLiteral("no longer exists")));
    QCOMPARE(pw::RecentProjects::paths().size(), 9);
    QVERIFY(!pw::RecentProjects::paths().contains(recent[3]));
}

void MainWindowTest::speaksTheLanguageChosenInPreferences()
{
    const pw::test::AppSandbox sandbox;
    {
        StartedWindow english(true);
        // F1 opens the manual at the section of the property asked about.
        Leafreel_for_macAppDelegate& window = english.window;
        // The window as the manual shows it: pictures in the list, the book in the preview.
        window.resize(1400, 860);
        window.browserData()->addPictures(pw::test::demoPictures());
        window.browserView()->clearSelection();
        QTRY_VERIFY_WITH_TIMEOUT(evaluate(window.webView(), QStringLiteral("document.querySelectorAll('img').length")).toInt() > 0, 30000);
        QTest::qWait(1500);  // the thumbnails and the first spread
        QVERIFY(window.grab().save(pw::test::screenshotFolder() + QStringLiteral("/window-with-pictures.png")));
        QTreeView* tree = window.outlineView();
        auto* model = qobject_cast<pw::FlashTemplateOutlineDelegate*>(tree->model());
        QModelIndex colours;
        for (int row = 0; row < model->rowCount() && !colours.isValid(); ++row)
            colours = model->propertyAt(model->index(row, 0))->key() == "colors" ? model->index(row, 0) : colours;
        const QModelIndex background = model->index(0, pw::FlashTemplateOutlineDelegate::valueColumn, colours);

        // Each row: where the mouse or the focus is, and the section F1 opens.
        QWidget* pictureList = window.browserView();
        const QPoint pageWidth = tree->visualRect(model->index(0, 0)).center();
        struct Row {
            const char* name;
            std::function<void()> place;
            QString section;
        };
        const Row rows[] = {
            {"the mouse over the page width, the focus elsewhere",
             [&] { pictureList->setFocus(); QTest::mouseMove(tree->viewport(), pageWidth); }, "property-pageWidth"},
            {"the focus in the picture list: the top", [&] { QTest::mouseMove(pictureList); pictureList->setFocus(); }, {}},
            {"a colour current in the property list", [&] { tree->setFocus(); tree->setCurrentIndex(background); },
             "property-backgroundColor"},
            {"a property the manual does not know: its group",
             [&] { model->propertyAt(background)->setKey("veilColour"); tree->setFocus(); }, "property-colors"},
        };
        for (const Row& row : rows) {
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            row.place();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
            pw::ManualWindow* manual = window.manualWindow();
            QVERIFY2(manual && manual->isVisible(), row.name);
            QUrl expected = QUrl::fromLocalFile(pw::UserManual::folder() + QStringLiteral("/en/index.html"));
            if (!row.section.isEmpty())
                expected.setFragment(row.section);
            QTRY_COMPARE(manual->view()->url(), expected);
            // The section is there and scrolled to.
            const QString scrolled = QStringLiteral("document.readyState === 'complete' && (location.hash === '' ? scrollY === 0 : "
                                                    "Math.abs(document.querySelector(location.hash).getBoundingClientRect().top) < 40)");
            QTRY_VERIFY2_WITH_TIMEOUT(evaluate(manual->view(), scrolled).toBool(), row.name, 20000);
            if (row.section == QLatin1String("property-backgroundColor"))
                QVERIFY(manual->grab().save(pw::test::screenshotFolder() + QStringLiteral("/manual-window.png")));
            manual->close();
        }

        // Without the manual F1 says where it was looked for.
        pw::resources::setResourceFolder(sandbox.path().toStdString());
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        const QList<QMessageBox*> boxes = window.findChildren<QMessageBox*>();
        QVERIFY(!boxes.isEmpty() && boxes.last()->text().contains(sandbox.path(QStringLiteral("manual"))));
        QVERIFY(!window.manualWindow()->isVisible());
        pw::resources::setResourceFolder(std::nullopt);
        window.session()->newProject();  // the pictures go, for the walk below
        english.asked.clear();
        english.window.actions()->preferences->trigger();
        pw::PreferencesDialog* preferences = english.window.preferencesWindow();
        QTRY_VERIFY(preferences->isVisible());
        preferences->language()->setCurrentIndex(preferences->language()->findText(QStringLiteral("Deutsch")));
        QTest::keyClick(preferences->language(), Qt::Key_Return);
        QTRY_VERIFY(!preferences->isVisible());
        QCOMPARE(english.window.menuBar()->actions().first()->text(), QStringLiteral("&File"));  // from the next start
        // Unsaved changes are asked about before they are lost.
        StartedWindow& w = english;
        const QString other = sandbox.path(QStringLiteral("other.pagewind"));
        pw::BookProject().saveAs(other.toStdString());
        w.savePath = sandbox.path(QStringLiteral("mine.pagewind"));
        w.window.browserData()->addPictures({demoPicture("01-sunrise.jpg")});
        QVERIFY(w.window.isWindowModified());
        // Cancel keeps the window and its changes, whichever asked.
        w.answer = ProjectSession::Answer::cancel;
        QVERIFY(!w.window.close());
        w.window.session()->newProject();
        QVERIFY(!w.window.session()->openPath(other));
        QCOMPARE(w.asked, QStringList(3, QStringLiteral("Untitled")));
        QCOMPARE(w.window.browserData()->count(), 1);
        QVERIFY(w.window.isVisible() && w.window.isWindowModified());
        // Discard goes on without saving; Save saves first.
        w.answer = ProjectSession::Answer::discard;
        w.window.session()->newProject();
        QCOMPARE(w.window.browserData()->count(), 0);
        w.window.browserData()->addPictures({demoPicture("01-sunrise.jpg")});
        QVERIFY(!QFile::exists(w.savePath));
        w.answer = ProjectSession::Answer::save;
        QVERIFY(w.window.close());
        QVERIFY(QFile::exists(w.savePath));
        QCOMPARE(w.asked, QStringList(5, QStringLiteral("Untitled")));
        QVERIFY(!w.window.isVisible());
    }
    // The next start speaks German: menus, sheets (with Qt's own buttons), messages.
    const pw::InterfaceLanguage german(pw::InterfaceLanguage::current());
    QVERIFY(german.installed() >= 2);
    StartedWindow started(true);
    Leafreel_for_macAppDelegate& window = started.window;
    window.resize(1400, 860);  // as the manual shows it
    QStringList menus;
    for (QAction* menu : window.menuBar()->actions())
        menus.append(menu->text());
    QCOMPARE(menus, QStringList({"&Datei", "&Bearbeiten", "&Vorlage", "&Hilfe"}));
    // The manual follows the language chosen, not the system's.
    window.actions()->manual->trigger();
    QTRY_VERIFY(window.manualWindow() && window.manualWindow()->view()->url().path().endsWith(QStringLiteral("/de/index.html")));
    QCOMPARE(window.manualWindow()->windowTitle(), QStringLiteral("Pagewind-Handbuch"));
    window.manualWindow()->close();
    QCOMPARE(window.actions()->buildBook->text(), QStringLiteral("Buch &erstellen"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Unbenannt[*] \u2014 Pagewind"));
    // The template's own texts: a property's title, a list's choice (the value stays "English").
    QCOMPARE(window.outlineView()->model()->index(0, 0).data().toString(), QStringLiteral("Seitenbreite"));
    auto* model = qobject_cast<pw::FlashTemplateOutlineDelegate*>(window.outlineView()->model());
    int language = 0;
    while (model->propertyAt(model->index(language, 0))->key() != "languageSetting")
        ++language;
    QCOMPARE(model->index(language, 1).data().toString(), QStringLiteral("Englisch"));
    window.browserData()->addPictures(pw::test::demoPictures());
    window.browserView()->clearSelection();
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("8 Bilder in der Liste"));
    QTest::qWait(1500);  // the thumbnails, for the screenshot the German manual shows
    QVERIFY(window.grab().save(pw::test::screenshotFolder() + QStringLiteral("/main-window-de.png")));
    const auto keep = [](QWidget* sheet, const QString& name) {
        QVERIFY(QTest::qWaitForWindowExposed(sheet));
        QVERIFY(sheet->grab().save(pw::test::screenshotFolder() + QStringLiteral("/%1-de.png").arg(name)));
    };
    window.OnSelectTemplate();
    keep(window.selectTmplWindow(), QStringLiteral("template-chooser"));
    window.selectTmplWindow()->reject();
    window.OnConvertToFlipBook();
    keep(window.outputWindow(), QStringLiteral("publish-sheet"));
    window.outputWindow()->reject();
    window.OnImportPDF();
    keep(window.importWindow(), QStringLiteral("import-sheet"));
    QCOMPARE(window.importWindow()->windowTitle(), QStringLiteral("PDF importieren"));
    QStringList buttons;
    for (const QPushButton* button : window.importWindow()->findChildren<QPushButton*>())
        buttons.append(button->text().remove(QLatin1Char('&')));
    QVERIFY2(buttons.contains(QStringLiteral("Importieren")) && buttons.contains(QStringLiteral("Abbrechen")),
             qPrintable(buttons.join(QLatin1Char(','))));
    window.importWindow()->reject();
    const auto unsaved = pw::ProjectSession::makeUnsavedQuestion(&window, window.session()->displayName());
    QCOMPARE(unsaved->text(), QStringLiteral("Möchten Sie die Änderungen an \u201eUnbenannt\u201c speichern?"));
    QCOMPARE(unsaved->button(QMessageBox::Discard)->text(), QStringLiteral("&Nicht speichern"));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
