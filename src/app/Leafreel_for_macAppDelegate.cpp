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

#include "app/AppEnvironment.h"
#include "app/ApplyChangeIndicator.h"
#include "app/FlashTemplateOutlineDelegate.h"
#include "app/ImageBrowserView.h"
#include "app/ImageListModel.h"
#include "app/ImportWindowDelegate.h"
#include "app/OutputWindowDelegate.h"
#include "app/PageImportTask.h"
#include "app/PictureBuildTask.h"
#include "app/PicturesPane.h"
#include "app/PreviewBuilder.h"
#include "app/ProgressSheet.h"
#include "app/ProjectSession.h"
#include "app/PropertiesPane.h"
#include "app/RecentProjects.h"
#include "app/SelectTemplateWindowDelegate.h"
#include "app/SheetSupport.h"
#include "app/TemplateChangeCommand.h"
#include "app/WindowActions.h"
#include "app/WindowMemory.h"
#include "base/Log.h"
#include "pdf/PictureDocumentBuilder.h"
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
    iBuildTask = new PictureBuildTask(this);
    iBuildProgress = new ProgressSheet(tr("Making the pages from your pictures…"), this);
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
    connect(iApplyIndicator, &ApplyChangeIndicator::imageChanged, this,
            [this](const QString& path) { iActions->apply->setIcon(QIcon(path)); });

    connect(iPictures, &PicturesPane::addRequested, this, &Self::OnImportImage);
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

    connect(iBuildProgress, &QProgressDialog::canceled, iBuildTask, &PictureBuildTask::cancel);
    connect(iBuildTask, &PictureBuildTask::finished, this, &Self::pictureBuildDidEnd);
    connect(iPageImportProgress, &QProgressDialog::canceled, iPageImport, &PageImportTask::cancel);
    connect(iPageImport, &PageImportTask::progress, iPageImportProgress, &ProgressSheet::setProgress);
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
    if (!WindowMemory::restoreWindow(*this, *iSplitter)) {
        if (const QScreen* screen = QApplication::primaryScreen())
            setGeometry(screen->availableGeometry());
    }
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


void Leafreel_for_macAppDelegate::updateTitle()
{
    setWindowTitle(iSession->windowTitle());
    setWindowModified(iSession->isModified());
}

void Leafreel_for_macAppDelegate::installProject(const BookProject::OpenReport& report)
{
    iPageImport->cancel();
    iBuildPictures.clear();
    iBrowserData->setProject(project());
    if (project()->bookPages().origin != PagesOrigin::demonstration && report.missingPages.empty())
        remakePages();
    showTemplate(project()->flashTemplate());
    updateTitle();
    if (const QString missing = ProjectSession::reportText(report); !missing.isEmpty())
        showProblem(tr("Open"), missing);
}

void Leafreel_for_macAppDelegate::remakePages()
{
    if (iPageImport->isRunning()) {
        // The end of the cancelled run starts the new one.
        iPageImport->cancel();
        return;
    }
    iPagesFor = project();
    iPageImport->start(project()->bookPages());
    iPageImportProgress->begin(tr("Making the pages of \u201c%1\u201d…").arg(qs(project()->displayName())));
    showStatus(tr("Making the pages…"));
}

void Leafreel_for_macAppDelegate::pagesRemade()
{
    iPageImportProgress->end();
    const PageImportTask::Outcome& outcome = iPageImport->outcome();
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
    toolTipBox()->setTitle(qs(property->title()));
    toolTip()->setPlainText(qs(property->desc()));
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
    btnFloat()->setText(capitalizedTitle(qs(flashTemplate->tmplName())));
    btnFloat()->setAccessibleName(tr("Template: %1").arg(btnFloat()->text()));
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
    options.title = tr("Please select image files to open");
    options.mode = QFileDialog::ExistingFiles;
    options.filter = tr("Pictures (*.jpg *.jpeg *.bmp *.png *.tif *.tiff *.JPG *.JPEG *.PNG)");
    sheet::openPanel(this, options, [this](const QStringList& files) {
        iBrowserData->addPictures(files);
        const int count = iBrowserData->count();
        showStatus(count == 1 ? tr("1 picture in the list") : tr("%1 pictures in the list").arg(count));
    });
}

void Leafreel_for_macAppDelegate::OnBuildToPDF()
{
    if (iBuildTask->isRunning())
        return;
    if (iBrowserData->count() == 0) {
        showStatus(tr("Add pictures first: Build turns the picture list into the book's pages."));
        return;
    }
    iBuildPictures = iBrowserData->paths();
    std::vector<std::string> pictures;
    for (const QString& path : iBuildPictures)
        pictures.push_back(path.toStdString());
    PW_LOG_DEBUG("Template: %s", PictureDocumentBuilder::buildFolderPath().c_str());
    showStatus(tr("Making the pages…"));
    iBuildTask->start(std::move(pictures));
    iBuildProgress->begin();
}

void Leafreel_for_macAppDelegate::pictureBuildDidEnd()
{
    iBuildProgress->end();
    const PictureBuildTask::Outcome& outcome = iBuildTask->outcome();
    if (outcome.errorName == "BUILD_CANCELLED") {
        showStatus(tr("Build cancelled; the book is unchanged."));
        return;
    }
    if (!outcome.ok()) {
        PW_LOG_ERROR("build error:%s", outcome.errorText.c_str());
        const QString message = outcome.errorName == "BUILD_NO_PICTURE"
                                    ? tr("None of the files in the list is a picture that can be read.")
                                    : tr("The pages could not be made: %1").arg(qs(outcome.errorText));
        showProblem(tr("Build"), message);
        return;
    }
    if (!outcome.result.skipped.empty())
        showStatus(outcome.result.skipped.size() == 1
                       ? tr("1 file in the list is not a picture and was left out.")
                       : tr("%1 files in the list are not pictures and were left out.").arg(outcome.result.skipped.size()));
    iImportWindow->setImportFile(qs(outcome.result.pdfPath));
    iImportWindow->open();
    iImportWindow->startImport();
}

void Leafreel_for_macAppDelegate::OnImportPDF()
{
    iBuildPictures.clear();
    iImportWindow->open();
}

void Leafreel_for_macAppDelegate::importWindowDidEnd(int returnCode)
{
    if (returnCode != 1)
        return;
    BookPagesCommand::State imported = BookPagesCommand::importedState(*iImportWindow, iBuildPictures, *flashTmpl());
    const QString text = imported.pages.origin == PagesOrigin::pictures ? tr("Build Book") : tr("Import PDF");
    pushPages(text, std::move(imported));
}

void Leafreel_for_macAppDelegate::OnSelectTemplate()
{
    iSelectTmplWindow->prepairToTmpl(qs(flashTmpl()->tmplName()));
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

void Leafreel_for_macAppDelegate::showProblem(const QString& title, const QString& message)
{
    showStatus(message.section(QLatin1Char('\n'), 0, 0));
    auto* box = new QMessageBox(QMessageBox::Warning, title, message, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

} // namespace pw
