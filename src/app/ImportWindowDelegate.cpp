#include "app/ImportWindowDelegate.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/AppSettings.h"
#include "app/SheetSupport.h"
#include "base/Log.h"
#include "pdf/ImportPDFOperation.h"
#include "pdf/OperationQueue.h"

namespace pw {

namespace {
constexpr std::int32_t kImportDPI = 144;
// Beside the ten settings, in the application's own store.
constexpr const char* kImportTextKey = "import/text";
} // namespace

ImportWindowDelegate::ImportWindowDelegate(QWidget* parent)
    : QDialog(parent), iQueue(std::make_unique<OperationQueue>())
{
    setWindowTitle(tr("Import a PDF"));
    setWindowModality(Qt::WindowModal);
    buildLayout();
    const AppSettings& settings = AppSettings::shareInstance();
    iTxtImportFile->setText(settings.lastImportedFile());
    QAbstractButton* range = iPageRangeType->button(settings.importPageRangeType());
    (range ? range : iPageRangeType->button(allPages))->setChecked(true);
    iTxtPageRange->setText(settings.importPageRange());
    iImportQuality->setCurrentIndex(settings.importQualityLevel() >= 0 && settings.importQualityLevel() < 5
                                        ? settings.importQualityLevel()
                                        : 0);
    iBtnImportLinks->setCheckState(settings.importLinks() == 1 ? Qt::Checked : Qt::Unchecked);
    iBtnImportBookMark->setCheckState(settings.importBookmark() == 1 ? Qt::Checked : Qt::Unchecked);
    iBtnImportText->setChecked(AppSettings::openStore()->value(QString::fromLatin1(kImportTextKey), true).toBool());
    // Progress is posted on the import thread; the queued connections below bring it and the
    // end of an import to the main thread, where the controls live.
    connect(this, &ImportWindowDelegate::progressPosted, this, &ImportWindowDelegate::mainThread_handleMSG,
            Qt::QueuedConnection);
    connect(this, &ImportWindowDelegate::operationEnded, this, &ImportWindowDelegate::importEnded,
            Qt::QueuedConnection);
    iProgressObserver = ObserverRegistration("ImportProgressInfoMSG", [this](const Notification& notification) {
        emit progressPosted(notification.intValue("pageIndex"), notification.intValue("totalPage"));
    });
    enableButtons(true);
}

ImportWindowDelegate::~ImportWindowDelegate()
{
    iQueue.reset();
    iProgressObserver.reset();
}

void ImportWindowDelegate::buildLayout()
{
    iTxtImportFile = new QLineEdit(this);  // widgets are owned by their Qt parent
    iTxtImportFile->setAccessibleName(tr("PDF file"));
    iBtnBrowse = new QPushButton(tr("Choose…"), this);
    auto* openFile = new QPushButton(tr("Open"), this);
    openFile->setToolTip(tr("Open the PDF in its viewer"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(iTxtImportFile, 1);
    fileRow->addWidget(iBtnBrowse);
    fileRow->addWidget(openFile);

    auto* all = new QRadioButton(tr("All pages"), this);
    auto* range = new QRadioButton(tr("Only"), this);
    iTxtPageRange = new QLineEdit(this);
    iTxtPageRange->setPlaceholderText(tr("for example 1-3,5,8"));
    iTxtPageRange->setAccessibleName(tr("Page range"));
    iPageRangeType = new QButtonGroup(this);
    iPageRangeType->addButton(all, allPages);
    iPageRangeType->addButton(range, pageRange);
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(all);
    rangeRow->addWidget(range);
    rangeRow->addWidget(iTxtPageRange, 1);

    iImportQuality = new QComboBox(this);
    iImportQuality->addItems({tr("Best (100)"), tr("High (85)"), tr("Medium (65)"), tr("Low (45)"), tr("Smallest (25)")});
    iBtnImportBookMark = new QCheckBox(tr("Import the bookmarks as the table of contents"), this);
    iBtnImportLinks = new QCheckBox(tr("Import the links as clickable areas"), this);
    iBtnImportText = new QCheckBox(tr("Keep the text, so that readers can search and copy it"), this);

    auto* form = new QFormLayout;
    form->addRow(tr("PDF file:"), fileRow);
    form->addRow(tr("Pages:"), rangeRow);
    form->addRow(tr("Image quality:"), iImportQuality);
    form->addRow(QString(), iBtnImportBookMark);
    form->addRow(QString(), iBtnImportLinks);
    form->addRow(QString(), iBtnImportText);

    iLblInfo = new QLabel(this);
    iPrgBar = new QProgressBar(this);
    iPrgBar->setRange(0, 0);  // busy: the page count shows in the text
    iLblError = sheet::makeErrorLabel(this);
    iLblWarning = new QLabel(this);
    iLblWarning->setWordWrap(true);
    iLblWarning->setTextInteractionFlags(Qt::TextSelectableByMouse);
    iLblWarning->hide();

    auto* buttons = new QDialogButtonBox(this);
    iBtnOK = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    iBtnCancel = buttons->addButton(QDialogButtonBox::Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(iLblInfo);
    layout->addWidget(iPrgBar);
    layout->addWidget(iLblError);
    layout->addWidget(iLblWarning);
    layout->addWidget(buttons);
    setMinimumWidth(560);

    connect(iBtnBrowse, &QPushButton::clicked, this, &ImportWindowDelegate::onBrowseFileAction);
    connect(openFile, &QPushButton::clicked, this, &ImportWindowDelegate::onOpenTheFileAction);
    connect(iPageRangeType, &QButtonGroup::idClicked, this, [this] { enableButtons(true); });
    // Pages waiting for OK belong to the choices that made them; a changed choice imports anew.
    for (QLineEdit* field : {iTxtImportFile, iTxtPageRange})
        connect(field, &QLineEdit::textEdited, this, [this] { setResultReady(false); });
    connect(iBtnOK, &QPushButton::clicked, this, &ImportWindowDelegate::onImportAction);
    connect(iBtnCancel, &QPushButton::clicked, this, &ImportWindowDelegate::onCancelAction);
}

void ImportWindowDelegate::enableButtons(bool enable)
{
    iBtnOK->setEnabled(enable);
    iTxtImportFile->setEnabled(enable);
    iBtnBrowse->setEnabled(enable);
    iTxtPageRange->setEnabled(enable && iPageRangeType->checkedId() == pageRange);
    iImportQuality->setEnabled(enable);
    iLblInfo->setVisible(!enable);
    iPrgBar->setVisible(!enable);
}

void ImportWindowDelegate::setImportFile(const QString& path)
{
    iTxtImportFile->setText(path);
}

void ImportWindowDelegate::storeControlsIntoSettings()
{
    AppSettings& settings = AppSettings::shareInstance();
    settings.setLastImportedFile(iTxtImportFile->text());
    settings.setImportPageRangeType(iPageRangeType->checkedId());
    settings.setImportQualityLevel(iImportQuality->currentIndex());
    settings.setImportPageRange(iTxtPageRange->text());
    settings.setImportBookmark(iBtnImportBookMark->checkState() == Qt::Checked ? 1 : 0);
    settings.setImportLinks(iBtnImportLinks->checkState() == Qt::Checked ? 1 : 0);
    AppSettings::openStore()->setValue(QString::fromLatin1(kImportTextKey), importsText());
}

bool ImportWindowDelegate::importsText() const
{
    return iBtnImportText->isChecked();
}

void ImportWindowDelegate::onImportAction()
{
    if (!iResultReady) {
        startImport();
        return;
    }
    setResultReady(false);
    done(1);
}

void ImportWindowDelegate::setResultReady(bool ready)
{
    iResultReady = ready;
    iBtnOK->setText(ready ? tr("Use These Pages") : tr("Import"));
    if (!ready)
        iLblWarning->hide();
}

void ImportWindowDelegate::offerPagesWithWarnings(const std::vector<std::string>& warnings)
{
    QStringList lines;
    for (const std::string& warning : warnings) {
        QString line = QString::fromStdString(warning);
        line[0] = line[0].toUpper();
        lines << line + QLatin1Char('.');
    }
    iLblWarning->setText(tr("The pages are imported, but:\n%1").arg(lines.join(QLatin1Char('\n'))));
    iLblWarning->show();
    setResultReady(true);
}

QString ImportWindowDelegate::rangeText() const
{
    return iPageRangeType->checkedId() == pageRange ? iTxtPageRange->text() : QStringLiteral("ALL");
}

void ImportWindowDelegate::startImport()
{
    iIsImporting = true;
    setResultReady(false);
    iDocumentTitle.reset();
    // The file actually imported is remembered, so the next import offers it again.
    storeControlsIntoSettings();
    enableButtons(false);
    iLblError->hide();
    iLblInfo->setText(tr("Preparing…"));
    AppSettings::shareInstance().saveSettings();
    iFlashPageSource.reset();
    iFlashPagesAnnotations.reset();
    iFlashOutline.reset();
    iFlashPagesText.reset();
    PW_LOG_DEBUG("start to import pdf now...");
    iPageWidth = 0;
    iPageHeight = 0;
    iQueue->cancelAllOperations();

    const std::string range = rangeText().toStdString();
    PW_LOG_DEBUG("page range is:%s", range.c_str());
    const AppSettings& settings = AppSettings::shareInstance();
    const std::int32_t quality = ImportPDFOperation::qualityForLevel(settings.importQualityLevel());
    auto operation = std::make_shared<ImportPDFOperation>(iTxtImportFile->text().toStdString(), range, kImportDPI, quality);
    operation->setImportLinks(settings.importLinks() == 1);
    operation->setImportText(importsText());
    operation->setImportBookmarks(settings.importBookmark() == 1);
    operation->setFinishedHandler([this] { emit operationEnded(); });
    importPDF = operation;
    PW_LOG_DEBUG("before add operation");
    iQueue->addOperation(std::move(operation));
    PW_LOG_DEBUG("after add operation");
}

void ImportWindowDelegate::mainThread_handleMSG(qlonglong pageIndex, qlonglong totalPage)
{
    if (!iLblInfo->isVisible() && !iIsImporting)
        return;
    iLblInfo->setText(tr("Importing page %1 of %2").arg(pageIndex).arg(totalPage));
}

void ImportWindowDelegate::importEnded()
{
    // The end of an import that a newer one replaced says nothing about the newer one, which
    // reports its own end.
    const std::shared_ptr<ImportPDFOperation> operation = importPDF;
    if (!operation || !operation->isFinished())
        return;
    PW_LOG_DEBUG("import pdf isFinished.");
    iFlashPageSource = operation->flashPageSource();
    iFlashPagesAnnotations = operation->flashPagesAnnotation();
    iFlashOutline = operation->flashOutline();
    iFlashPagesText = operation->flashPagesText();
    importPDF.reset();
    enableButtons(true);
    iIsImporting = false;
    if (iFlashPageSource) {
        PW_LOG_DEBUG("import pdf ok...");
        std::tie(iPageWidth, iPageHeight) = ImportPDFOperation::firstPageSize(iFlashPageSource.get());
        iDocumentTitle = operation->documentTitle();
        if (!operation->warnings().empty()) {
            offerPagesWithWarnings(operation->warnings());
            return;
        }
        done(1);
        return;
    }
    PW_LOG_WARN("import pdf failed...");
    const QString reason = operation->isCancelled()
                               ? tr("The import was cancelled; the book is unchanged.")
                               : QString::fromStdString(operation->errorMessage().value_or("The import failed."));
    iLblError->setText(reason);
    iLblError->show();
}

void ImportWindowDelegate::onCancelAction()
{
    PW_LOG_INFO("cancel import pdf!!,%s", windowTitle().toUtf8().constData());
    enableButtons(true);
    if (iQueue->operationCount() > 0) {
        iQueue->cancelAllOperations();
        return;
    }
    iLblError->hide();
    setResultReady(false);
    QDialog::reject();
}

void ImportWindowDelegate::reject()
{
    onCancelAction();
}

void ImportWindowDelegate::onBrowseFileAction()
{
    sheet::openPathPanel(this, tr("Choose a PDF file"), QFileDialog::ExistingFile, tr("PDF files (*.pdf);;All files (*)"),
                         QString(), [this](const QString& path) { iTxtImportFile->setText(path); });
}

void ImportWindowDelegate::onOpenTheFileAction()
{
    const QString path = iTxtImportFile->text();
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace pw
