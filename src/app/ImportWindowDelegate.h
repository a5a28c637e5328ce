#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/NotificationCenter.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace pw {

class FlashOutline;
class FlashPageSource;
class FlashPagesAnnotations;
class FlashPagesText;
class ImportPDFOperation;
class OperationQueue;

// The PDF import sheet: file, all pages or a range, image quality, bookmarks and links. The
// import runs on the sheet's own operation queue; progress and the end reach the main thread
// by queued calls. A successful import closes the sheet with 1 and holds the results; one with
// warnings (pages shown blank, pages left out) shows them first and closes with 1 when the user
// takes the pages. A failed one shows its reason and leaves the sheet open. Cancel while
// importing stops the import and keeps the sheet; Cancel when idle closes it with 0.
class ImportWindowDelegate : public QDialog {
    Q_OBJECT

public:
    enum PageRangeType { allPages = 0, pageRange = 1 };

    // Fills the controls from the settings and starts listening to import progress.
    explicit ImportWindowDelegate(QWidget* parent = nullptr);
    ~ImportWindowDelegate() override;

    // Starts an import of the file in the file field (the build action puts the build file
    // there first) and returns at once.
    void startImport();
    // The file the next import reads.
    void setImportFile(const QString& path);

    // The results, valid after the sheet ended with 1.
    std::int32_t pageWidth() const { return iPageWidth; }
    std::int32_t pageHeight() const { return iPageHeight; }
    const std::shared_ptr<FlashPageSource>& flashPageSource() const { return iFlashPageSource; }
    const std::shared_ptr<FlashPagesAnnotations>& flashPagesAnnotations() const { return iFlashPagesAnnotations; }
    const std::shared_ptr<FlashOutline>& flashOutline() const { return iFlashOutline; }
    // The words of the pages, when the text was kept and the pages have words.
    const std::shared_ptr<FlashPagesText>& flashPagesText() const { return iFlashPagesText; }
    // Whether the next import keeps the text (remembered between runs, on at first).
    bool importsText() const;
    const std::optional<std::string>& documentTitle() const { return iDocumentTitle; }
    bool isImporting() const { return iIsImporting; }

    // The controls, for tests.
    QLineEdit* txtImportFile() const { return iTxtImportFile; }
    QButtonGroup* pageRangeType() const { return iPageRangeType; }
    QLineEdit* txtPageRange() const { return iTxtPageRange; }
    QComboBox* importQuality() const { return iImportQuality; }
    QCheckBox* btnImportBookMark() const { return iBtnImportBookMark; }
    QCheckBox* btnImportLinks() const { return iBtnImportLinks; }
    QCheckBox* btnImportText() const { return iBtnImportText; }
    QPushButton* btnOK() const { return iBtnOK; }
    QLabel* lblInfo() const { return iLblInfo; }
    QLabel* lblError() const { return iLblError; }
    QLabel* lblWarning() const { return iLblWarning; }

signals:
    // From the import thread, delivered on the main thread.
    void progressPosted(qlonglong pageIndex, qlonglong totalPage);
    void operationEnded();

public slots:
    void enableButtons(bool enable);
    void onImportAction();
    void onCancelAction();
    void onBrowseFileAction();
    void onOpenTheFileAction();
    // Escape and the window's close button cancel, as the Cancel button does.
    void reject() override;

private:
    void buildLayout();
    void storeControlsIntoSettings();
    void mainThread_handleMSG(qlonglong pageIndex, qlonglong totalPage);
    void importEnded();
    // Shows the warnings of a finished import and waits for the user to take its pages.
    void offerPagesWithWarnings(const std::vector<std::string>& warnings);
    void setResultReady(bool ready);
    QString rangeText() const;

    QLineEdit* iTxtImportFile = nullptr;
    QButtonGroup* iPageRangeType = nullptr;
    QLineEdit* iTxtPageRange = nullptr;
    QComboBox* iImportQuality = nullptr;
    QPushButton* iBtnOK = nullptr;
    QPushButton* iBtnCancel = nullptr;
    QPushButton* iBtnBrowse = nullptr;
    QLabel* iLblInfo = nullptr;
    QProgressBar* iPrgBar = nullptr;
    QLabel* iLblError = nullptr;
    QLabel* iLblWarning = nullptr;
    QCheckBox* iBtnImportBookMark = nullptr;
    QCheckBox* iBtnImportLinks = nullptr;
    QCheckBox* iBtnImportText = nullptr;

    std::int32_t iPageWidth = 0;
    std::int32_t iPageHeight = 0;
    bool iIsImporting = false;
    bool iResultReady = false;  // an import with warnings waits for OK
    std::optional<std::string> iDocumentTitle;
    std::shared_ptr<FlashPageSource> iFlashPageSource;
    std::shared_ptr<FlashPagesAnnotations> iFlashPagesAnnotations;
    std::shared_ptr<FlashOutline> iFlashOutline;
    std::shared_ptr<FlashPagesText> iFlashPagesText;
    std::shared_ptr<ImportPDFOperation> importPDF;
    ObserverRegistration iProgressObserver;
    // Last, so it is destroyed first: it cancels and waits for the running import, after
    // which nothing posts progress to this sheet any more.
    std::unique_ptr<OperationQueue> iQueue;
};

} // namespace pw
