#include "app/Leafreel_for_macAppDelegate.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <exception>
#include <filesystem>
#include <system_error>

#include "app/ApplyChangeIndicator.h"
#include "app/FlashTemplateOutlineDelegate.h"
#include "app/FlashTmplValueDelegate.h"
#include "app/ImageBrowserView.h"
#include "app/ImageListModel.h"
#include "app/ImportWindowDelegate.h"
#include "app/OutputWindowDelegate.h"
#include "app/PictureBuildTask.h"
#include "app/SelectTemplateWindowDelegate.h"
#include "app/WaitCursor.h"
#include "base/Log.h"
#include "base/NumberText.h"
#include "base/PagewindException.h"
#include "base/PlatformPaths.h"
#include "base/ResourceFolder.h"
#include "base/VexUtility.h"
#include "book/FlashBookOutput.h"
#include "book/FlashOutline.h"
#include "book/FlashPageSourceImg.h"
#include "book/FlashPagesAnnotations.h"
#include "pdf/PictureDocumentBuilder.h"
#include "template/FlashTemplate.h"
#include "template/FlashTemplateProperty.h"
#include "template/HTMLConfigInfo.h"

// The window's pictures are compiled into this static library; a static library's resources
// must be registered by hand, or the linker drops them.
static void initAppResources()
{
    Q_INIT_RESOURCE(app);
}

namespace pw {

namespace {

const char* const APP_NAME = "Pagewind for Mac";

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

Leafreel_for_macAppDelegate::Leafreel_for_macAppDelegate(QWidget* parent) : QMainWindow(parent)
{
    initAppResources();
    // Every child below is owned by this window through Qt's parent links.
    iBrowserData = new ImageListModel(this);
    iApplyIndicator = new ApplyChangeIndicator(this);
    iTmplDelegate = new FlashTemplateOutlineDelegate(this);
    setWindowTitle(QStringLiteral("Pagewind"));
    setWindowIcon(QIcon(QStringLiteral(":/images/pagewind.png")));
    buildLayout();
    buildActions();
    iSelectTmplWindow = new SelectTemplateWindowDelegate(this);
    iOutputWindow = new OutputWindowDelegate(this);
    iImportWindow = new ImportWindowDelegate(this);
    iBuildTask = new PictureBuildTask(this);
    iBuildProgress = new QProgressDialog(tr("Making the pages from your pictures…"), tr("Cancel"), 0, 0, this);
    iBuildProgress->setWindowModality(Qt::WindowModal);
    iBuildProgress->setAutoClose(false);
    iBuildProgress->setAutoReset(false);
    iBuildProgress->reset();  // a new progress dialog would show itself after a while
    iBuildProgress->hide();
    connect(iBuildProgress, &QProgressDialog::canceled, iBuildTask, &PictureBuildTask::cancel);
    // A quick build shows no dialog at all; a long one can be watched and cancelled.
    iBuildProgressDelay = new QTimer(this);
    iBuildProgressDelay->setSingleShot(true);
    iBuildProgressDelay->setInterval(400);
    connect(iBuildProgressDelay, &QTimer::timeout, this, &Leafreel_for_macAppDelegate::showBuildProgress);
    connect(iBuildTask, &PictureBuildTask::finished, this, &Leafreel_for_macAppDelegate::pictureBuildDidEnd);
    connect(iImportWindow, &QDialog::finished, this, &Leafreel_for_macAppDelegate::importWindowDidEnd);
    connect(iSelectTmplWindow, &QDialog::finished, this, &Leafreel_for_macAppDelegate::selectTmplWindowDidEnd);
}

Leafreel_for_macAppDelegate::~Leafreel_for_macAppDelegate()
{
    applicationWillTerminate();
}

void Leafreel_for_macAppDelegate::buildLayout()
{
    iBrowserView = new ImageBrowserView(this);
    iBrowserView->setImageListModel(iBrowserData);
    iBrowserView->setToolTip(tr("Your pictures, in book order. Drop files here, drag to rearrange, Delete to remove."));
    auto* addPictures = new QPushButton(tr("Add Pictures…"), this);
    auto* build = new QPushButton(tr("Build Book"), this);
    build->setToolTip(tr("Make the book's pages from these pictures"));
    connect(addPictures, &QPushButton::clicked, this, &Leafreel_for_macAppDelegate::OnImportImage);
    connect(build, &QPushButton::clicked, this, &Leafreel_for_macAppDelegate::OnBuildToPDF);
    auto* imagesPane = new QWidget(this);
    auto* imagesLayout = new QVBoxLayout(imagesPane);
    imagesLayout->setContentsMargins(4, 4, 4, 4);
    imagesLayout->addWidget(new QLabel(tr("Pictures"), imagesPane));
    imagesLayout->addWidget(iBrowserView, 1);
    auto* imageButtons = new QHBoxLayout;
    imageButtons->addWidget(addPictures);
    imageButtons->addWidget(build);
    imagesLayout->addLayout(imageButtons);

    iWebView = new QWebEngineView(this);
    QWebEngineSettings* settings = iWebView->settings();
    // The preview is a local page that reads its book files beside it.
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    iWebView->setMinimumWidth(480);
    connect(iWebView, &QWebEngineView::loadFinished, this, &Leafreel_for_macAppDelegate::previewLoaded);

    iBtnFloat = new QPushButton(this);
    iBtnFloat->setToolTip(tr("Choose another template or style"));
    connect(iBtnFloat, &QPushButton::clicked, this, &Leafreel_for_macAppDelegate::OnSelectTemplate);
    auto* btnImportTmpl = new QPushButton(tr("Import…"), this);
    btnImportTmpl->setToolTip(tr("Load property values from a settings file"));
    auto* btnExportTmpl = new QPushButton(tr("Export…"), this);
    btnExportTmpl->setToolTip(tr("Save the property values to a settings file"));
    connect(btnImportTmpl, &QPushButton::clicked, this, &Leafreel_for_macAppDelegate::OnImportTmplSettings);
    connect(btnExportTmpl, &QPushButton::clicked, this, &Leafreel_for_macAppDelegate::OnExportTmplSettings);

    iOutlineView = new QTreeView(this);
    iOutlineView->setModel(iTmplDelegate);
    iValueDelegate = new FlashTmplValueDelegate(iOutlineView);
    iOutlineView->setItemDelegateForColumn(FlashTemplateOutlineDelegate::valueColumn, iValueDelegate);
    iOutlineView->setIndentation(8);
    iOutlineView->setAlternatingRowColors(true);
    iOutlineView->setMouseTracking(true);
    iOutlineView->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::SelectedClicked);
    iOutlineView->header()->setSectionResizeMode(QHeaderView::Interactive);
    iOutlineView->header()->resizeSection(0, 170);
    connect(iOutlineView->selectionModel(), &QItemSelectionModel::selectionChanged, iTmplDelegate,
            &FlashTemplateOutlineDelegate::outlineViewSelectionDidChange);
    connect(iTmplDelegate, &QAbstractItemModel::modelReset, this, [this] {
        connect(iOutlineView->selectionModel(), &QItemSelectionModel::selectionChanged, iTmplDelegate,
                &FlashTemplateOutlineDelegate::outlineViewSelectionDidChange, Qt::UniqueConnection);
    });

    iToolTipBox = new QGroupBox(tr("Property"), this);
    iToolTip = new QTextEdit(iToolTipBox);
    iToolTip->setReadOnly(true);
    iToolTip->setPlaceholderText(tr("Select a property to read what it changes in the book."));
    iToolTip->setMaximumHeight(110);
    auto* tipLayout = new QVBoxLayout(iToolTipBox);
    tipLayout->addWidget(iToolTip);

    auto* propertiesPane = new QWidget(this);
    auto* propertiesLayout = new QVBoxLayout(propertiesPane);
    propertiesLayout->setContentsMargins(4, 4, 4, 4);
    auto* templateRow = new QHBoxLayout;
    templateRow->addWidget(new QLabel(tr("Template:"), propertiesPane));
    templateRow->addWidget(iBtnFloat, 1);
    propertiesLayout->addLayout(templateRow);
    propertiesLayout->addWidget(iOutlineView, 1);
    propertiesLayout->addWidget(iToolTipBox);
    auto* settingsRow = new QHBoxLayout;
    settingsRow->addWidget(new QLabel(tr("Settings:"), propertiesPane));
    settingsRow->addWidget(btnImportTmpl);
    settingsRow->addWidget(btnExportTmpl);
    propertiesLayout->addLayout(settingsRow);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(imagesPane);
    splitter->addWidget(iWebView);
    splitter->addWidget(propertiesPane);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setStretchFactor(2, 0);
    splitter->setSizes({230, 800, 340});
    setCentralWidget(splitter);
    statusBar()->showMessage(tr("Ready"));
}

void Leafreel_for_macAppDelegate::buildActions()
{
    QToolBar* toolbar = addToolBar(tr("Book"));
    toolbar->setObjectName(QStringLiteral("bookToolbar"));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar->setIconSize(QSize(28, 28));

    auto action = [this](const QString& text, const QKeySequence& shortcut, auto slot) {
        auto* created = new QAction(text, this);
        created->setShortcut(shortcut);
        connect(created, &QAction::triggered, this, slot);
        return created;
    };
    QAction* openPictures = action(tr("&Open Pictures…"), QKeySequence::Open, &Leafreel_for_macAppDelegate::OnImportImage);
    QAction* buildBook = action(tr("&Build Book"), QKeySequence(tr("Ctrl+B")), &Leafreel_for_macAppDelegate::OnBuildToPDF);
    QAction* importPdf = action(tr("&Import PDF…"), QKeySequence(tr("Ctrl+I")), &Leafreel_for_macAppDelegate::OnImportPDF);
    QAction* publish = action(tr("&Publish…"), QKeySequence(tr("Ctrl+P")), &Leafreel_for_macAppDelegate::OnConvertToFlipBook);
    QAction* quit = action(tr("&Quit"), QKeySequence(tr("Ctrl+Q")), &QWidget::close);
    iToolBarItemApplyChange = action(tr("&Apply"), QKeySequence(tr("Ctrl+R")), &Leafreel_for_macAppDelegate::OnApplyChange);
    iToolBarItemApplyChange->setToolTip(tr("Show the changed properties in the preview"));
    iToolBarItemApplyChange->setIcon(QIcon(ApplyChangeIndicator::resourcePath(QStringLiteral("apply"))));
    connect(iApplyIndicator, &ApplyChangeIndicator::imageChanged, this,
            [this](const QString& path) { iToolBarItemApplyChange->setIcon(QIcon(path)); });
    QAction* chooseTemplate =
        action(tr("Choose &Template…"), QKeySequence(tr("Ctrl+T")), &Leafreel_for_macAppDelegate::OnSelectTemplate);
    QAction* importSettings = action(tr("I&mport Settings…"), QKeySequence(), &Leafreel_for_macAppDelegate::OnImportTmplSettings);
    QAction* exportSettings = action(tr("&Export Settings…"), QKeySequence(), &Leafreel_for_macAppDelegate::OnExportTmplSettings);
    QAction* about = action(tr("&About Pagewind"), QKeySequence(), &Leafreel_for_macAppDelegate::OnAbout);

    const QStyle* style = QApplication::style();
    openPictures->setIcon(style->standardIcon(QStyle::SP_DirOpenIcon));
    buildBook->setIcon(style->standardIcon(QStyle::SP_FileDialogDetailedView));
    importPdf->setIcon(style->standardIcon(QStyle::SP_FileIcon));
    chooseTemplate->setIcon(style->standardIcon(QStyle::SP_FileDialogContentsView));
    publish->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addActions({openPictures, buildBook, importPdf});
    file->addSeparator();
    file->addAction(publish);
    file->addSeparator();
    file->addAction(quit);
    QMenu* book = menuBar()->addMenu(tr("&Template"));
    book->addActions({chooseTemplate, iToolBarItemApplyChange});
    book->addSeparator();
    book->addActions({importSettings, exportSettings});
    menuBar()->addMenu(tr("&Help"))->addAction(about);

    toolbar->addActions({openPictures, buildBook, importPdf});
    toolbar->addSeparator();
    toolbar->addActions({chooseTemplate, iToolBarItemApplyChange});
    toolbar->addSeparator();
    toolbar->addAction(publish);
}

void Leafreel_for_macAppDelegate::applicationDidFinishLaunching()
{
    prepaireTheLog();
    PW_LOG_INFO("version is:%s", PAGEWIND_VERSION);
    iFlashPreviewFolder.clear();
    if (const QScreen* screen = QApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    loadDemonstrationPages();
    iFlashTmpl = std::make_shared<FlashTemplate>();
    iTmplDelegate->setFlashTmpl(iFlashTmpl);
    reloadOutlineView();
    iBtnFloat->setText(capitalizedTitle(qs(iFlashTmpl->tmplName())));
    iTipObserver = ObserverRegistration("UpdateFlashTmplProTipNotification", [this](const Notification&) {
        updateTmplPropertyTip();
    });
    iValueObserver = ObserverRegistration("FlashTmplProValueChangedNotification", [this](const Notification&) {
        tmplPpertyValueChanged();
    });
    iToolTip->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    applyChange();
}

void Leafreel_for_macAppDelegate::applicationWillTerminate()
{
    if (iTerminated)
        return;
    iTerminated = true;
    iTipObserver.reset();
    iValueObserver.reset();
    iTmplDelegate->setFlashTmpl(nullptr);
    iFlashTmpl.reset();
    iFlashPageSource.reset();
    removeFlashPreviewFolder();
}

void Leafreel_for_macAppDelegate::closeEvent(QCloseEvent* event)
{
    applicationWillTerminate();
    event->accept();
}

void Leafreel_for_macAppDelegate::prepaireTheLog()
{
    const std::filesystem::path logPath = std::filesystem::path(platform::userApplicationSupportFolder()) /
                                          "Quirewright" / "Leafreel" / (std::string(APP_NAME) + ".log");
    std::error_code ignored;
    std::filesystem::create_directories(logPath.parent_path(), ignored);
    log::configureFromProperties(resources::resourceFolder() + "/logging.properties", logPath.string());
}

void Leafreel_for_macAppDelegate::loadDemonstrationPages()
{
    auto pages = std::make_shared<FlashPageSourceImg>();
    const QDir demo(qs(resources::resourceFolder() + "/DemoImgs"));
    for (const QString& name : demo.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name))
        pages->addImgPageFromFile(demo.filePath(name).toStdString());
    pages->generateNormalPages();
    iFlashPageSource = std::move(pages);
}

void Leafreel_for_macAppDelegate::setFlashPageSource(std::shared_ptr<FlashPageSource> pageSource)
{
    iFlashPageSource = std::move(pageSource);
}

void Leafreel_for_macAppDelegate::setFlashOutline(std::shared_ptr<FlashOutline> outline)
{
    iFlashOutline = std::move(outline);
}

void Leafreel_for_macAppDelegate::setFlashPagesAnnotations(std::shared_ptr<FlashPagesAnnotations> annotations)
{
    iFlashPagesAnnotations = std::move(annotations);
}

void Leafreel_for_macAppDelegate::makeFlashPreviewFolder()
{
    const std::filesystem::path folder =
        std::filesystem::path(platform::userApplicationSupportFolder()) / "Leafreel" / "Preview";
    iFlashPreviewFolder = qs(folder.lexically_normal().string());
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        PW_LOG_WARN("flash preview folder cannot be crearted[%s]", error.message().c_str());
    VexUtility::makeDiractoryTrustByFlash(iFlashPreviewFolder.toStdString());
}

void Leafreel_for_macAppDelegate::removeFlashPreviewFolder()
{
    if (iFlashPreviewFolder.isEmpty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(iFlashPreviewFolder.toStdString(), ignored);
}

bool Leafreel_for_macAppDelegate::applyChange()
{
    iApplyIndicator->stop();
    if (iFlashPreviewFolder.isEmpty())
        makeFlashPreviewFolder();
    auto htmlConfig = std::make_shared<HTMLConfigInfo>();
    FlashBookOutput writer(iFlashPageSource, iFlashTmpl, iFlashPreviewFolder.toStdString(), "index.html");
    try {
        const WaitCursor waiting;
        htmlConfig->setHTMLTitle("Preview");
        writer.setHTMLConfig(htmlConfig);
        writer.setFlashPagesAnnotations(iFlashPagesAnnotations);
        writer.setFlashOutline(iFlashOutline);
        writer.ouputTheBook();
        iWebView->load(QUrl::fromLocalFile(qs(writer.outputFileName())));
    } catch (const std::exception& error) {
        PW_LOG_ERROR("apply change :%s", error.what());
        showStatus(tr("The preview could not be rebuilt: %1").arg(QString::fromUtf8(error.what())));
        return false;
    }
    if (!writer.failures().empty()) {
        showStatus(tr("The preview is incomplete: %1").arg(qs(writer.failures().front())));
        return false;
    }
    showStatus(tr("Preview updated"));
    return true;
}

void Leafreel_for_macAppDelegate::OnApplyChange()
{
    applyChange();
}

void Leafreel_for_macAppDelegate::tmplPpertyValueChanged()
{
    iApplyIndicator->start();
}

void Leafreel_for_macAppDelegate::updateTmplPropertyTip()
{
    const QModelIndexList selected = iOutlineView->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const FlashTemplateProperty* property = iTmplDelegate->propertyAt(selected.first());
    if (!property)
        return;
    iToolTipBox->setTitle(qs(property->title()));
    iToolTip->setPlainText(qs(property->desc()));
}

void Leafreel_for_macAppDelegate::reloadOutlineView()
{
    iTmplDelegate->reload();
    iOutlineView->expandAll();
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
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Please select image files to open"), QString(),
        tr("Pictures (*.jpg *.jpeg *.bmp *.png *.tif *.tiff *.JPG *.JPEG *.PNG)"));
    if (files.isEmpty()) {
        PW_LOG_DEBUG("No path selected, return...");
        return;
    }
    for (const QString& file : files)
        iBrowserData->addImagesFromDirectory(file);
    showStatus(tr("%n picture(s) in the list", nullptr, iBrowserData->count()));
}

void Leafreel_for_macAppDelegate::OnBuildToPDF()
{
    if (iBuildTask->isRunning())
        return;
    if (iBrowserData->count() == 0) {
        showStatus(tr("Add pictures first: Build turns the picture list into the book's pages."));
        return;
    }
    std::vector<std::string> pictures;
    for (const QString& path : iBrowserData->paths())
        pictures.push_back(path.toStdString());
    PW_LOG_DEBUG("Template: %s", PictureDocumentBuilder::buildFolderPath().c_str());
    showStatus(tr("Making the pages…"));
    iBuildTask->start(std::move(pictures));
    iBuildProgressDelay->start();
}

void Leafreel_for_macAppDelegate::showBuildProgress()
{
    if (iBuildTask->isRunning())
        iBuildProgress->open();
}

void Leafreel_for_macAppDelegate::pictureBuildDidEnd()
{
    iBuildProgressDelay->stop();
    iBuildProgress->reset();
    iBuildProgress->hide();
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
        showStatus(tr("%n file(s) in the list are not pictures and were left out.", nullptr,
                      static_cast<int>(outcome.result.skipped.size())));
    iImportWindow->setImportFile(qs(outcome.result.pdfPath));
    iImportWindow->open();
    iImportWindow->startImport();
}

void Leafreel_for_macAppDelegate::OnImportPDF()
{
    iImportWindow->open();
}

void Leafreel_for_macAppDelegate::importWindowDidEnd(int returnCode)
{
    if (returnCode != 1)
        return;
    iFlashTmpl->setPropertyValue("pageWidth", text::decimalText(iImportWindow->pageWidth()));
    iFlashTmpl->setPropertyValue("pageHeight", text::decimalText(iImportWindow->pageHeight()));
    if (iImportWindow->documentTitle())
        iFlashTmpl->adoptDocumentTitle(*iImportWindow->documentTitle());
    setFlashPageSource(iImportWindow->flashPageSource());
    setFlashPagesAnnotations(iImportWindow->flashPagesAnnotations());
    setFlashOutline(iImportWindow->flashOutline());
    reloadOutlineView();
    applyChange();
}

void Leafreel_for_macAppDelegate::OnSelectTemplate()
{
    iSelectTmplWindow->prepairToTmpl(qs(iFlashTmpl->tmplName()));
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
    iFlashTmpl->changeTmplTo(tmplName.toStdString(), stylePath.toStdString());
    reloadOutlineView();
    iBtnFloat->setText(capitalizedTitle(tmplName));
    applyChange();
}

QString Leafreel_for_macAppDelegate::settingsExportPath(const QString& chosen)
{
    return QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".txt") : chosen;
}

void Leafreel_for_macAppDelegate::OnExportTmplSettings()
{
    if (!iFlashTmpl)
        return;
    QString path = QFileDialog::getSaveFileName(this, tr("Export the template settings"), QString(),
                                                tr("Settings files (*.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    path = settingsExportPath(path);
    if (!iFlashTmpl->exportPropertiesSettingsTo(path.toStdString())) {
        showProblem(tr("Export Settings"), tr("The settings could not be written to \"%1\".").arg(path));
        return;
    }
    showStatus(tr("Settings saved to %1").arg(path));
}

void Leafreel_for_macAppDelegate::OnImportTmplSettings()
{
    if (!iFlashTmpl)
        return;
    const QString path = QFileDialog::getOpenFileName(this, tr("Import template settings"), QString(),
                                                      tr("Settings files (*.txt)"));
    if (path.isEmpty())
        return;
    if (!QFileInfo(path).isReadable()) {
        showProblem(tr("Import Settings"), tr("\"%1\" cannot be read.").arg(path));
        return;
    }
    const std::optional<std::string> warning = iFlashTmpl->importPropertiesSettingsFrom(path.toStdString());
    reloadOutlineView();
    applyChange();
    if (warning)
        showProblem(tr("Import Settings"), qs(*warning));
}

void Leafreel_for_macAppDelegate::OnConvertToFlipBook()
{
    iOutputWindow->setFlashTmpl(iFlashTmpl);
    iOutputWindow->setFlashPageSource(iFlashPageSource);
    iOutputWindow->setFlashOutline(iFlashOutline);
    iOutputWindow->setFlashPagesAnnotations(iFlashPagesAnnotations);
    iOutputWindow->open();
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
    showStatus(message);
    auto* box = new QMessageBox(QMessageBox::Warning, title, message, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

} // namespace pw
