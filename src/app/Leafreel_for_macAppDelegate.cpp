#include "app/Leafreel_for_macAppDelegate.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QTreeView>
#include <QUndoStack>
#include <QUrl>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <utility>

#include "app/AppEnvironment.h"
#include "app/AppSettings.h"
#include "app/ApplyChangeIndicator.h"
#include "app/FlashTemplateOutlineDelegate.h"
#include "app/ImageBrowserView.h"
#include "app/ImageListModel.h"
#include "app/ImportWindowDelegate.h"
#include "app/InterfaceLanguage.h"
#include "app/OutputWindowDelegate.h"
#include "app/PageImportTask.h"
#include "app/PreferencesDialog.h"
#include "app/PicturesPane.h"
#include "app/PreviewBuilder.h"
#include "app/ProgressSheet.h"
#include "app/ProjectSession.h"
#include "app/PropertiesPane.h"
#include "app/RecentProjects.h"
#include "app/RelinkCommand.h"
#include "app/SelectTemplateWindowDelegate.h"
#include "app/SheetSupport.h"
#include "app/TemplateChangeCommand.h"
#include "app/WindowActions.h"
#include "app/WindowMemory.h"
#include "base/FileUtil.h"
#include "base/Log.h"
#include "base/NumberText.h"
#include "book/FlashPageSource.h"
#include "pdf/ImportPDFOperation.h"
#include "pdf/PictureDocumentBuilder.h"
#include "project/PictureRelink.h"
#include "project/TemplateTree.h"
#include "template/FlashTemplate.h"
#include "template/FlashTemplateProperty.h"

// The window's pictures are compiled into this static library; a static library's resources
// must be registered by hand, or the linker drops them.
static void initAppResources()
{
    Q_INIT_RESOURCE(app);
}

namespace pw {

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

Leafreel_for_macAppDelegate::Leafreel_for_macAppDelegate(QWidget* parent) : QMainWindow(parent)
{
    initAppResources();
    // Every child below is owned by this window through Qt's parent links.
    iSession = new ProjectSession(this);
    iBrowserData = new ImageListModel(this);
    iBrowserData->setUndoStack(iSession->undoStack());
    iApplyIndicator = new ApplyChangeIndicator(this);
    iTmplDelegate = new FlashTemplateOutlineDelegate(this);
    iTmplDelegate->setUndoStack(iSession->undoStack());
    setWindowIcon(QIcon(QStringLiteral(":/images/pagewind.png")));
    iActions = new WindowActions(this, iSession->undoStack());
    buildLayout();
    iSelectTmplWindow = new SelectTemplateWindowDelegate(this);
    iOutputWindow = new OutputWindowDelegate(this);
    iImportWindow = new ImportWindowDelegate(this);
    iPreferences = new PreferencesDialog(this);
    iBuildProgress = new ProgressSheet(tr("Reading the pictures…"), this);
    iPageImport = new PageImportTask(this);
    iPageImportProgress = new ProgressSheet(tr("Making the pages of the project…"), this);
    iPreview = new PreviewBuilder(this);
    connectActions();
    updateTitle();
}

Leafreel_for_macAppDelegate::~Leafreel_for_macAppDelegate()
{
    applicationWillTerminate();
    // Children going away later (the undo stack clearing itself) must not call back into a
    // window that is no longer one.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

void Leafreel_for_macAppDelegate::buildLayout()
{
    iPictures = new PicturesPane(iBrowserData, this);
    iProperties = new PropertiesPane(iTmplDelegate, this);
    iWebView = new QWebEngineView(this);
    iWebView->setAccessibleName(tr("Preview"));
    QWebEngineSettings* settings = iWebView->settings();
    // The preview is a local page that reads its book files beside it.
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    iWebView->setMinimumWidth(480);

    iSplitter = new QSplitter(this);
    iSplitter->setObjectName(QStringLiteral("mainSplitter"));
    iSplitter->addWidget(iPictures);
    iSplitter->addWidget(iWebView);
    iSplitter->addWidget(iProperties);
    iSplitter->setStretchFactor(0, 0);
    iSplitter->setStretchFactor(1, 1);
    iSplitter->setStretchFactor(2, 0);
    iSplitter->setSizes({230, 800, 340});
    setCentralWidget(iSplitter);
    statusBar()->showMessage(tr("Ready"));
}

void Leafreel_for_macAppDelegate::connectActions()
{
    using Self = Leafreel_for_macAppDelegate;
    const WindowActions& a = *iActions;
    connect(a.newProject, &QAction::triggered, iSession, &ProjectSession::newProject);
    connect(a.openProject, &QAction::triggered, iSession, &ProjectSession::open);
    connect(a.save, &QAction::triggered, iSession, &ProjectSession::save);
    connect(a.saveAs, &QAction::triggered, iSession, &ProjectSession::saveAs);
    connect(a.openRecent, &QMenu::aboutToShow, this, [this] {
        RecentProjects::fillMenu(iActions->openRecent, [this](const QString& path) { iSession->openRecent(path); });
    });
    connect(a.addPictures, &QAction::triggered, this, &Self::OnImportImage);
    connect(a.buildBook, &QAction::triggered, this, &Self::OnBuildToPDF);
    connect(a.importPdf, &QAction::triggered, this, &Self::OnImportPDF);
    connect(a.publish, &QAction::triggered, this, &Self::OnConvertToFlipBook);
    connect(a.quit, &QAction::triggered, this, &QWidget::close);
    connect(a.apply, &QAction::triggered, this, &Self::OnApplyChange);
    connect(a.chooseTemplate, &QAction::triggered, this, &Self::OnSelectTemplate);
    connect(a.importSettings, &QAction::triggered, this, &Self::OnImportTmplSettings);
    connect(a.exportSettings, &QAction::triggered, this, &Self::OnExportTmplSettings);
    connect(a.about, &QAction::triggered, this, &Self::OnAbout);
    connect(a.preferences, &QAction::triggered, iPreferences, &PreferencesDialog::openWithStored);
    browserView()->addActions({a.deleteSelection, a.selectAll});
    connect(a.deleteSelection, &QAction::triggered, browserView(), &ImageBrowserView::removeSelection);
    connect(a.selectAll, &QAction::triggered, this, [this] {
        browserView()->setFocus();
        browserView()->selectAll();
    });
    connect(browserView()->selectionModel(), &QItemSelectionModel::selectionChanged, this, &Self::updateEditActions);
    for (const auto rowsChanged : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
        connect(iBrowserData, rowsChanged, this, [this] {
            updateEditActions();
            showStatus(tr("%n picture(s) in the list", nullptr, iBrowserData->count()));
        });
    }
    connect(iBrowserData, &QAbstractItemModel::modelReset, this, &Self::updateEditActions);
    connect(iApplyIndicator, &ApplyChangeIndicator::imageChanged, this,
            [this](const QString& path) { iActions->apply->setIcon(QIcon(path)); });

    connect(iPictures, &PicturesPane::addRequested, this, &Self::OnImportImage);
    connect(browserView(), &ImageBrowserView::locateRequested, this, &Self::locatePicture);
    connect(browserView(), &ImageBrowserView::problem, this, &Self::showProblem);
    connect(iPictures, &PicturesPane::buildRequested, this, &Self::OnBuildToPDF);
    connect(iProperties, &PropertiesPane::chooseTemplateRequested, this, &Self::OnSelectTemplate);
    connect(iProperties, &PropertiesPane::importSettingsRequested, this, &Self::OnImportTmplSettings);
    connect(iProperties, &PropertiesPane::exportSettingsRequested, this, &Self::OnExportTmplSettings);
    connect(iWebView, &QWebEngineView::loadFinished, this, &Self::previewLoaded);
    // The book's Print button asks the browser to print; the preview has no printer, and says so.
    connect(iWebView, &QWebEngineView::printRequested, this, [this] {
        statusBar()->showMessage(tr("The preview does not print; readers print the published book in their browser."), 8000);
    });

    connect(iSession, &ProjectSession::projectReplaced, this, &Self::installProject);
    connect(iSession, &ProjectSession::titleChanged, this, &Self::updateTitle);
    connect(iSession, &ProjectSession::problem, this, &Self::showProblem);
    connect(iSession->undoStack(), &QUndoStack::indexChanged, this, &Self::updateTitle);

    connect(iBuildProgress, &QProgressDialog::canceled, iPageImport, &PageImportTask::cancel);
    connect(iPageImportProgress, &QProgressDialog::canceled, iPageImport, &PageImportTask::cancel);
    connect(iPageImport, &PageImportTask::progress, this, [this](int done, int total) {
        if (!iBuilding) {
            iPageImportProgress->setProgress(done, total);
            return;
        }
        iBuildProgress->setProgress(done, total);
        iBuildProgress->setLabelText(tr("Building the book: page %1 of %2").arg(done).arg(total));
    });
    connect(iPageImport, &PageImportTask::finished, this, &Self::pagesRemade);
    connect(iPreview, &PreviewBuilder::rebuilt, this, &Self::previewDidRebuild);
    connect(iPreview, &PreviewBuilder::cancelled, this,
            [this] { showStatus(tr("The preview was not updated; it shows the book as it was.")); });
    connect(iImportWindow, &QDialog::finished, this, &Self::importWindowDidEnd);
    connect(iSelectTmplWindow, &QDialog::finished, this, &Self::selectTmplWindowDidEnd);
    connect(iOutputWindow, &QDialog::finished, this, [this](int result) {
        const PublishChoice choice = iOutputWindow->publishChoice();
        if (result != 1 || choice == project()->publishChoice())
            return;
        project()->setPublishChoice(choice);
        iSession->markChanged();
    });
}

void Leafreel_for_macAppDelegate::applicationDidFinishLaunching()
{
    prepareLog();
    PW_LOG_INFO("version is:%s", PAGEWIND_VERSION);
    PictureDocumentBuilder::removeStaleBuildFiles();
    WindowMemory::restoreWindow(*this, *iSplitter);
    iTipObserver = ObserverRegistration("UpdateFlashTmplProTipNotification", [this](const Notification&) {
        updateTmplPropertyTip();
    });
    iValueObserver = ObserverRegistration("FlashTmplProValueChangedNotification", [this](const Notification&) {
        iApplyIndicator->start();
    });
    installProject({});
}

void Leafreel_for_macAppDelegate::applicationWillTerminate()
{
    if (iTerminated)
        return;
    iTerminated = true;
    iTipObserver.reset();
    iValueObserver.reset();
    iPageImport->cancel();
    iTmplDelegate->setFlashTmpl(nullptr);
    iPreview->removeFolder();
}

void Leafreel_for_macAppDelegate::closeEvent(QCloseEvent* event)
{
    if (!iTerminated && !iSession->maybeSave()) {
        event->ignore();
        return;
    }
    WindowMemory::saveWindow(*this, *iSplitter);
    applicationWillTerminate();
    event->accept();
}


void Leafreel_for_macAppDelegate::updateEditActions()
{
    iActions->deleteSelection->setEnabled(browserView()->selectionModel()->hasSelection());
    iActions->selectAll->setEnabled(iBrowserData->count() > 0);
}

void Leafreel_for_macAppDelegate::updateTitle()
{
    setWindowTitle(iSession->windowTitle());
    setWindowModified(iSession->isModified());
}

void Leafreel_for_macAppDelegate::installProject(const BookProject::OpenReport& report)
{
    iPageImport->cancel();
    iBrowserData->setProject(project());
    if (project()->bookPages().origin != PagesOrigin::demonstration && report.missingPages.empty())
        remakePages();
    showTemplate(project()->flashTemplate());
    updateTitle();
    const QString missing = ProjectSession::reportText(report);
    if (missing.isEmpty())
        return;
    QMessageBox* box = showProblem(tr("Open"), missing);
    const QList<int> rows = [this] {
        QList<int> found;
        for (int row = 0; row < iBrowserData->count(); ++row) {
            if (iBrowserData->isMissing(row))
                found.append(row);
        }
        return found;
    }();
    if (rows.isEmpty())
        return;
    QPushButton* locate = box->addButton(tr("&Locate\u2026"), QMessageBox::ActionRole);
    connect(locate, &QPushButton::clicked, this, [this, first = rows.first()] { locatePicture(first); });
}

void Leafreel_for_macAppDelegate::remakePages()
{
    if (iPageImport->isRunning()) {
        // The end of the cancelled run starts the new one.
        iPageImport->cancel();
        return;
    }
    iPagesFor = project();
    iBuilding = false;
    iPageImport->start(project()->bookPages());
    iPageImportProgress->begin(tr("Making the pages of \u201c%1\u201d…").arg(iSession->displayName()));
    showStatus(tr("Making the pages…"));
}

void Leafreel_for_macAppDelegate::pagesRemade()
{
    iPageImportProgress->end();
    iBuildProgress->end();
    const PageImportTask::Outcome outcome = iPageImport->takeOutcome();
    if (std::exchange(iBuilding, false) && iPagesFor.lock() == project()) {
        buildEnded(outcome);
        return;
    }
    if (iPagesFor.lock() != project()) {
        // Another project is in place since the run started: make its pages instead.
        const BookPages& wanted = project()->bookPages();
        if (wanted.origin != PagesOrigin::demonstration && !wanted.pageSource)
            remakePages();
        return;
    }
    if (outcome.cancelled) {
        showStatus(tr("The pages were not made; the preview shows the demonstration pages."));
    } else if (!outcome.problem.isEmpty()) {
        showProblem(tr("Open"), tr("The book's pages could not be made: %1").arg(outcome.problem));
    } else {
        project()->setBookPages(outcome.pages);
    }
    applyChange();
}

void Leafreel_for_macAppDelegate::applyChange()
{
    iApplyIndicator->stop();
    if (iPageImport->isRunning())
        return;  // its end rebuilds the preview
    iPreview->rebuild(*project());
}

void Leafreel_for_macAppDelegate::previewDidRebuild(const QString& page, const QString& problem)
{
    if (!page.isEmpty() && QFile::exists(page))
        iWebView->load(QUrl::fromLocalFile(page));
    if (page.isEmpty() || !QFile::exists(page))
        showStatus(tr("The preview could not be rebuilt: %1").arg(problem));
    else if (!problem.isEmpty())
        showStatus(tr("The preview is incomplete: %1").arg(problem));
    else
        showStatus(tr("Preview updated"));
    emit previewRebuilt(problem.isEmpty());
}

void Leafreel_for_macAppDelegate::OnApplyChange()
{
    applyChange();
}

void Leafreel_for_macAppDelegate::updateTmplPropertyTip()
{
    const QModelIndexList selected = outlineView()->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const FlashTemplateProperty* property = iTmplDelegate->propertyAt(selected.first());
    if (!property)
        return;
    toolTipBox()->setTitle(qs(property->titleIn(InterfaceLanguage::spoken())));
    toolTip()->setPlainText(qs(property->descIn(InterfaceLanguage::spoken())));
}

void Leafreel_for_macAppDelegate::reloadOutlineView()
{
    iTmplDelegate->reload();
    outlineView()->expandAll();
}

void Leafreel_for_macAppDelegate::showTemplate(const std::shared_ptr<FlashTemplate>& flashTemplate)
{
    project()->setFlashTemplate(flashTemplate);
    iTmplDelegate->setFlashTmpl(flashTemplate);
    outlineView()->expandAll();
    const QString name = capitalizedTitle(qs(flashTemplate->tmplName()));
    const std::optional<std::string>& style = flashTemplate->styleName();
    btnFloat()->setText(style ? tr("%1 \u2014 %2", "template, style").arg(name, qs(*style)) : name);
    btnFloat()->setAccessibleName(style ? tr("Template: %1, style: %2").arg(name, qs(*style)) : tr("Template: %1").arg(name));
    applyChange();
}

void Leafreel_for_macAppDelegate::showPages(const BookPagesCommand::State& state)
{
    project()->setBookPages(state.pages);
    flashTmpl()->setPropertyValue("pageWidth", state.pageWidth);
    flashTmpl()->setPropertyValue("pageHeight", state.pageHeight);
    flashTmpl()->setPropertyValue("bookTitle", state.bookTitle);
    reloadOutlineView();
    applyChange();
}

void Leafreel_for_macAppDelegate::pushPages(const QString& text, BookPagesCommand::State after)
{
    BookPagesCommand::State before{project()->bookPages(), flashTmpl()->propertyValueFor("pageWidth", ""),
                                   flashTmpl()->propertyValueFor("pageHeight", ""),
                                   flashTmpl()->propertyValueFor("bookTitle", "")};
    iSession->undoStack()->push(new BookPagesCommand(text, std::move(before), std::move(after),
                                                     [this](const BookPagesCommand::State& state) { showPages(state); }));
}

QString Leafreel_for_macAppDelegate::capitalizedTitle(const QString& name)
{
    QStringList words = name.split(QLatin1Char(' '));
    for (QString& word : words) {
        if (!word.isEmpty())
            word = word.left(1).toUpper() + word.mid(1).toLower();
    }
    return words.join(QLatin1Char(' '));
}

void Leafreel_for_macAppDelegate::OnImportImage()
{
    sheet::PanelOptions options;
    options.title = tr("Add Pictures");
    options.mode = QFileDialog::ExistingFiles;
    QStringList patterns;
    for (const std::string& extension : PictureIntake::acceptedExtensions())
        patterns << QStringLiteral("*.") + qs(extension) << QStringLiteral("*.") + qs(extension).toUpper();
    options.filter = tr("Pictures (%1)").arg(patterns.join(QLatin1Char(' ')));
    sheet::openPanel(this, options, [this](const QStringList& files) { iBrowserData->addPictures(files); });
}

void Leafreel_for_macAppDelegate::OnBuildToPDF()
{
    if (iPageImport->isRunning())
        return;  // its sheet is up; this press came before it showed
    if (iBrowserData->count() == 0) {
        showStatus(tr("Add pictures first: Build turns the picture list into the book's pages."));
        return;
    }
    BookPages origin;
    origin.origin = PagesOrigin::pictures;
    for (const QString& path : iBrowserData->paths())
        origin.builtPictures.push_back(path.toStdString());
    // Pictures have no words, links or bookmarks; the quality stays what this book's pages had.
    const BookPages& current = project()->bookPages();
    origin.choice.qualityLevel = current.origin == PagesOrigin::pictures ? current.choice.qualityLevel
                                                                         : AppSettings::shareInstance().importQualityLevel();
    origin.choice.text = false;
    iPagesFor = project();
    iBuilding = true;
    showStatus(tr("Building the book…"));
    iPageImport->start(origin);
    iBuildProgress->begin(tr("Reading the pictures…"));
}

void Leafreel_for_macAppDelegate::buildEnded(const PageImportTask::Outcome& outcome)
{
    if (outcome.cancelled) {
        showStatus(tr("Build cancelled; the book is unchanged."));
        return;
    }
    if (outcome.errorName == "BUILD_NO_PICTURE") {
        showProblem(tr("Build Book"), tr("None of the files in the list is a picture that can be read."));
        return;
    }
    if (!outcome.problem.isEmpty()) {
        PW_LOG_ERROR("build error:%s", outcome.problem.toUtf8().constData());
        showProblem(tr("Build Book"), tr("The pages could not be made: %1").arg(outcome.problem));
        return;
    }
    const auto [width, height] = ImportPDFOperation::firstPageSize(outcome.pages.pageSource.get());
    BookPagesCommand::State built{outcome.pages, text::decimalText(width), text::decimalText(height),
                                  flashTmpl()->propertyValueFor("bookTitle", "")};
    pushPages(tr("Build Book"), std::move(built));
    const int pages = static_cast<int>(outcome.pages.pageSource->normalPages().size());
    if (outcome.skipped.isEmpty() && outcome.damaged.isEmpty()) {
        showStatus(tr("The book has %n page(s).", nullptr, pages));
        return;
    }
    const auto indented = [](const QStringList& lines) {
        QStringList result;
        for (const QString& line : lines)
            result.append(QStringLiteral("  ") + line);
        return result.join(QLatin1Char('\n'));
    };
    QStringList parts;
    if (!outcome.skipped.isEmpty())
        parts.append(tr("The book has %n page(s). These files of the list are not pictures that can be "
                        "read and were left out:\n%1",
                        nullptr, pages)
                         .arg(indented(outcome.skipped)));
    if (!outcome.damaged.isEmpty())
        parts.append(tr("These pictures are damaged; their pages may show grey:\n%1").arg(indented(outcome.damaged)));
    showProblem(tr("Build Book"), parts.join(QStringLiteral("\n\n")));
}

void Leafreel_for_macAppDelegate::OnImportPDF()
{
    iImportWindow->open();
}

void Leafreel_for_macAppDelegate::importWindowDidEnd(int returnCode)
{
    if (returnCode != 1)
        return;
    pushPages(tr("Import PDF"), BookPagesCommand::importedState(*iImportWindow, *flashTmpl()));
}

void Leafreel_for_macAppDelegate::OnSelectTemplate()
{
    iSelectTmplWindow->prepairToTmpl(qs(flashTmpl()->tmplName()), qs(flashTmpl()->styleName().value_or("")));
    iSelectTmplWindow->open();
}

void Leafreel_for_macAppDelegate::selectTmplWindowDidEnd(int returnCode)
{
    if (returnCode != 1)
        return;
    const std::optional<QString> shot = iSelectTmplWindow->selectedStyle();
    if (!shot)
        return;
    const QString stylePath = QFileInfo(*shot).absolutePath();
    const QString tmplName = QFileInfo(stylePath).dir().dirName();
    // OK on the style in use keeps the book as it is, edits included.
    if (tmplName.toStdString() == flashTmpl()->tmplName() &&
        QFileInfo(stylePath).fileName().toStdString() == flashTmpl()->styleName().value_or(""))
        return;
    std::shared_ptr<FlashTemplate> next = templatetree::copyOf(*flashTmpl());
    next->changeTmplTo(tmplName.toStdString(), stylePath.toStdString());
    iSession->undoStack()->push(new TemplateChangeCommand(tr("Choose Template"), flashTmpl(), std::move(next),
                                                          [this](const auto& chosen) { showTemplate(chosen); }));
}

QString Leafreel_for_macAppDelegate::settingsExportPath(const QString& chosen)
{
    return QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".txt") : chosen;
}

void Leafreel_for_macAppDelegate::OnExportTmplSettings()
{
    sheet::PanelOptions options;
    options.title = tr("Export the template settings");
    options.mode = QFileDialog::AnyFile;
    options.filter = tr("Settings files (*.txt);;All files (*)");
    options.save = true;
    sheet::openPanel(this, options, [this](const QStringList& chosen) {
        const QString path = settingsExportPath(chosen.first());
        if (!flashTmpl()->exportPropertiesSettingsTo(path.toStdString())) {
            showProblem(tr("Export Settings"), tr("The settings could not be written to \"%1\".").arg(path));
            return;
        }
        showStatus(tr("Settings saved to %1").arg(path));
    });
}

void Leafreel_for_macAppDelegate::OnImportTmplSettings()
{
    sheet::PanelOptions options;
    options.title = tr("Import template settings");
    options.filter = tr("Settings files (*.txt)");
    sheet::openPanel(this, options, [this](const QStringList& chosen) {
        const QString path = chosen.first();
        if (!QFileInfo(path).isReadable()) {
            showProblem(tr("Import Settings"), tr("\"%1\" cannot be read.").arg(path));
            return;
        }
        std::shared_ptr<FlashTemplate> next = templatetree::copyOf(*flashTmpl());
        const std::optional<std::string> warning = next->importPropertiesSettingsFrom(path.toStdString());
        iSession->undoStack()->push(new TemplateChangeCommand(tr("Import Settings"), flashTmpl(), std::move(next),
                                                              [this](const auto& imported) { showTemplate(imported); }));
        if (warning)
            showProblem(tr("Import Settings"), qs(*warning));
    });
}

void Leafreel_for_macAppDelegate::OnConvertToFlipBook()
{
    iOutputWindow->openFor(*project());
}

void Leafreel_for_macAppDelegate::OnAbout()
{
    QMessageBox::about(this, tr("About Pagewind"),
                       tr("<h3>Pagewind %1</h3><p>Turn photographs or a PDF into a page-flipping book.</p>"
                          "<p>Licensed under the GNU AGPL 3.0 or later.</p>")
                           .arg(QStringLiteral(PAGEWIND_VERSION)));
}

void Leafreel_for_macAppDelegate::showStatus(const QString& message)
{
    statusBar()->showMessage(message);
}

QMessageBox* Leafreel_for_macAppDelegate::showProblem(const QString& title, const QString& message)
{
    showStatus(message.section(QLatin1Char('\n'), 0, 0));
    auto* box = new QMessageBox(QMessageBox::Warning, title, message, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
    return box;
}

void Leafreel_for_macAppDelegate::locatePicture(int row)
{
    const QString missing = iBrowserData->pathAt(row);
    if (missing.isEmpty())
        return;
    sheet::PanelOptions options;
    options.title = tr("Locate \u201c%1\u201d").arg(QFileInfo(missing).fileName());
    options.startPath = WindowMemory::lastFolder(tr("Add Pictures"));
    sheet::openPanel(this, options, [this, missing](const QStringList& chosen) { relinkTo(missing, chosen.first()); });
}

void Leafreel_for_macAppDelegate::relinkTo(const QString& missing, const QString& found)
{
    const RelinkCommand::Paths before{iBrowserData->paths(), project()->bookPages().builtPictures};
    std::vector<std::string> all = before.builtPictures;
    for (const QString& path : before.pictures)
        all.push_back(path.toStdString());
    const std::map<std::string, std::string> moves = relink::foundAgain(all, missing.toStdString(), found.toStdString());
    if (moves.empty())
        return;
    std::vector<std::string> pictures;
    for (const QString& path : before.pictures)
        pictures.push_back(path.toStdString());
    RelinkCommand::Paths after{{}, relink::applied(before.builtPictures, moves)};
    for (const std::string& path : relink::applied(pictures, moves))
        after.pictures.append(qs(path));
    const int count = static_cast<int>(moves.size());
    iSession->undoStack()->push(new RelinkCommand(tr("Locate %n Picture(s)", nullptr, count), before, std::move(after),
                                                  [this](const RelinkCommand::Paths& paths) {
                                                      iBrowserData->replacePaths(paths.pictures);
                                                      BookPages pages = project()->bookPages();
                                                      pages.builtPictures = paths.builtPictures;
                                                      project()->setBookPages(std::move(pages));
                                                  }));
    showStatus(tr("%n missing picture(s) found again.", nullptr, count));
    // Pages that could not be made for want of these pictures are made now.
    const BookPages& pages = project()->bookPages();
    const bool allThere = std::all_of(pages.builtPictures.begin(), pages.builtPictures.end(),
                                      [](const std::string& path) { return QFileInfo::exists(qs(path)); });
    if (pages.origin == PagesOrigin::pictures && !pages.pageSource && allThere && !iPageImport->isRunning())
        remakePages();
}

} // namespace pw
