#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <memory>

#include "app/BookPagesCommand.h"
#include "app/PageImportTask.h"
#include "app/PicturesPane.h"
#include "app/PreviewBuilder.h"
#include "app/ProjectSession.h"
#include "app/PropertiesPane.h"
#include "base/NotificationCenter.h"
#include "pdf/PictureDocumentBuilder.h"
#include "project/BookProject.h"

class QGroupBox;
class QMessageBox;
class QPushButton;
class QSplitter;
class QTextEdit;
class QTreeView;
class QWebEngineView;

namespace pw {

class ApplyChangeIndicator;
class FlashPageSource;
class FlashTemplate;
class FlashTemplateOutlineDelegate;
class ImageBrowserView;
class ImageListModel;
class ImportWindowDelegate;
class OutputWindowDelegate;
class PreferencesDialog;
class ProgressSheet;
class SelectTemplateWindowDelegate;
class WindowActions;

// The application's main window: it shows the project (ProjectSession) being worked on, its
// picture list, its properties and the live preview, and opens the template chooser, import and
// publish sheets, turning their results into undoable steps on the project.
class Leafreel_for_macAppDelegate : public QMainWindow {
    Q_OBJECT

public:
    explicit Leafreel_for_macAppDelegate(QWidget* parent = nullptr);
    ~Leafreel_for_macAppDelegate() override;

    // Start-up: logging, the window as it was left, a new project, the first preview.
    void applicationDidFinishLaunching();
    // Quitting: releases the book and removes this window's preview folder.
    void applicationWillTerminate();

    // Rebuilds the preview on a worker thread; previewRebuilt tells when it is done.
    void applyChange();

    ProjectSession* session() const { return iSession; }
    const std::shared_ptr<BookProject>& project() const { return iSession->project(); }
    const std::shared_ptr<FlashPageSource>& flashPageSource() const { return project()->bookPages().pageSource; }
    const std::shared_ptr<FlashTemplate>& flashTmpl() const { return project()->flashTemplate(); }

    ImageListModel* browserData() const { return iBrowserData; }
    ImageBrowserView* browserView() const { return iPictures->view(); }
    QWebEngineView* webView() const { return iWebView; }
    QTreeView* outlineView() const { return iProperties->outlineView(); }
    QSplitter* splitter() const { return iSplitter; }
    // This window's preview folder (made on first use).
    QString flashPreviewFolder() const { return iPreview->folder(); }
    PreviewBuilder* preview() const { return iPreview; }
    ApplyChangeIndicator* applyIndicator() const { return iApplyIndicator; }
    WindowActions* actions() const { return iActions; }
    ImportWindowDelegate* importWindow() const { return iImportWindow; }
    PageImportTask* pageImportTask() const { return iPageImport; }
    OutputWindowDelegate* outputWindow() const { return iOutputWindow; }
    SelectTemplateWindowDelegate* selectTmplWindow() const { return iSelectTmplWindow; }
    PreferencesDialog* preferencesWindow() const { return iPreferences; }
    QGroupBox* toolTipBox() const { return iProperties->tipBox(); }
    QTextEdit* toolTip() const { return iProperties->tip(); }
    QPushButton* btnFloat() const { return iProperties->templateButton(); }

    // The template button's title for a template name: each word capitalised ("float" gives
    // "Float").
    static QString capitalizedTitle(const QString& name);
    // Where settings chosen to be saved at the path go: "txt" is added when it has no extension.
    static QString settingsExportPath(const QString& chosen);

public slots:
    void OnImportImage();
    void OnBuildToPDF();
    void OnImportPDF();
    void OnApplyChange();
    void OnSelectTemplate();
    void OnExportTmplSettings();
    void OnImportTmplSettings();
    void OnConvertToFlipBook();
    void OnAbout();

    void importWindowDidEnd(int returnCode);
    void selectTmplWindowDidEnd(int returnCode);
    // Asks where the missing picture of the row is now; it and the other missing pictures of its
    // folder found there are relinked as one step.
    void locatePicture(int row);

signals:
    // A rebuild ended: complete tells whether the whole book was written.
    void previewRebuilt(bool complete);
    // The preview has loaded the page written by the last rebuild.
    void previewLoaded(bool ok);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void connectActions();
    void installProject(const BookProject::OpenReport& report);
    void remakePages();
    void pagesRemade();
    // The end of a Build: its pages become the book as one step, or why not is shown.
    void buildEnded(const PageImportTask::Outcome& outcome);
    void showTemplate(const std::shared_ptr<FlashTemplate>& flashTemplate);
    void pushPages(const QString& text, BookPagesCommand::State after);
    void showPages(const BookPagesCommand::State& state);
    void previewDidRebuild(const QString& page, const QString& problem);
    void reloadOutlineView();
    void updateTitle();
    // Delete and Select All are there when the picture list has something to act on.
    void updateEditActions();
    void updateTmplPropertyTip();
    void relinkTo(const QString& missing, const QString& found);
    void showStatus(const QString& message);
    QMessageBox* showProblem(const QString& title, const QString& message);

    ProjectSession* iSession = nullptr;
    WindowActions* iActions = nullptr;
    ImageListModel* iBrowserData = nullptr;
    FlashTemplateOutlineDelegate* iTmplDelegate = nullptr;
    PropertiesPane* iProperties = nullptr;
    PicturesPane* iPictures = nullptr;
    QWebEngineView* iWebView = nullptr;
    QSplitter* iSplitter = nullptr;
    ApplyChangeIndicator* iApplyIndicator = nullptr;
    SelectTemplateWindowDelegate* iSelectTmplWindow = nullptr;
    OutputWindowDelegate* iOutputWindow = nullptr;
    ImportWindowDelegate* iImportWindow = nullptr;
    PreferencesDialog* iPreferences = nullptr;
    ProgressSheet* iBuildProgress = nullptr;
    PageImportTask* iPageImport = nullptr;
    ProgressSheet* iPageImportProgress = nullptr;
    PreviewBuilder* iPreview = nullptr;

    // The project whose pages the page import task makes, and whether for a Build (else for
    // the project as it was opened).
    std::weak_ptr<BookProject> iPagesFor;
    bool iBuilding = false;
    bool iTerminated = false;

    ObserverRegistration iTipObserver;
    ObserverRegistration iValueObserver;
};

} // namespace pw
