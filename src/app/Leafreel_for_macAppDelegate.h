#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>
#include <optional>

#include "base/NotificationCenter.h"

class QAction;
class QGroupBox;
class QLabel;
class QProgressDialog;
class QPushButton;
class QTimer;
class QTextEdit;
class QTreeView;
class QWebEngineView;

namespace pw {

class ApplyChangeIndicator;
class FlashOutline;
class FlashPageSource;
class FlashPagesAnnotations;
class FlashTemplate;
class FlashTemplateOutlineDelegate;
class FlashTmplValueDelegate;
class ImageBrowserView;
class ImageListModel;
class ImportWindowDelegate;
class OutputWindowDelegate;
class PictureBuildTask;
class SelectTemplateWindowDelegate;

// The application's main window and controller: it owns the current book (pages, template,
// outline, annotations) and the image list, keeps the live preview, and opens the template
// chooser, import and publish sheets, taking their results back.
class Leafreel_for_macAppDelegate : public QMainWindow {
    Q_OBJECT

public:
    explicit Leafreel_for_macAppDelegate(QWidget* parent = nullptr);
    ~Leafreel_for_macAppDelegate() override;

    // Start-up: logging, the demonstration pages in the template "float", the first preview.
    void applicationDidFinishLaunching();
    // Quitting: releases the book and removes the preview folder.
    void applicationWillTerminate();

    // Rebuilds the preview now. Returns whether the book was written completely.
    bool applyChange();

    const std::shared_ptr<FlashPageSource>& flashPageSource() const { return iFlashPageSource; }
    void setFlashPageSource(std::shared_ptr<FlashPageSource> pageSource);
    const std::shared_ptr<FlashTemplate>& flashTmpl() const { return iFlashTmpl; }
    const std::shared_ptr<FlashOutline>& flashOutline() const { return iFlashOutline; }
    void setFlashOutline(std::shared_ptr<FlashOutline> outline);
    const std::shared_ptr<FlashPagesAnnotations>& flashPagesAnnotations() const { return iFlashPagesAnnotations; }
    void setFlashPagesAnnotations(std::shared_ptr<FlashPagesAnnotations> annotations);

    ImageListModel* browserData() const { return iBrowserData; }
    QWebEngineView* webView() const { return iWebView; }
    QTreeView* outlineView() const { return iOutlineView; }
    const QString& flashPreviewFolder() const { return iFlashPreviewFolder; }
    ApplyChangeIndicator* applyIndicator() const { return iApplyIndicator; }
    ImportWindowDelegate* importWindow() const { return iImportWindow; }
    PictureBuildTask* buildTask() const { return iBuildTask; }
    OutputWindowDelegate* outputWindow() const { return iOutputWindow; }
    SelectTemplateWindowDelegate* selectTmplWindow() const { return iSelectTmplWindow; }

    QGroupBox* toolTipBox() const { return iToolTipBox; }
    QTextEdit* toolTip() const { return iToolTip; }
    QPushButton* btnFloat() const { return iBtnFloat; }

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
    // The pictures are in the build file (or the build failed or was cancelled).
    void pictureBuildDidEnd();
    void selectTmplWindowDidEnd(int returnCode);

signals:
    // The preview has loaded the page written by the last rebuild.
    void previewLoaded(bool ok);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void buildActions();
    void showBuildProgress();
    void prepaireTheLog();
    void loadDemonstrationPages();
    void makeFlashPreviewFolder();
    void removeFlashPreviewFolder();
    void reloadOutlineView();
    void tmplPpertyValueChanged();
    void updateTmplPropertyTip();
    void showStatus(const QString& message);
    void showProblem(const QString& title, const QString& message);

    ImageListModel* iBrowserData = nullptr;
    ImageBrowserView* iBrowserView = nullptr;
    QPushButton* iBtnFloat = nullptr;
    QWebEngineView* iWebView = nullptr;
    QTreeView* iOutlineView = nullptr;
    QTextEdit* iToolTip = nullptr;
    QGroupBox* iToolTipBox = nullptr;
    QAction* iToolBarItemApplyChange = nullptr;
    ApplyChangeIndicator* iApplyIndicator = nullptr;
    SelectTemplateWindowDelegate* iSelectTmplWindow = nullptr;
    OutputWindowDelegate* iOutputWindow = nullptr;
    ImportWindowDelegate* iImportWindow = nullptr;
    PictureBuildTask* iBuildTask = nullptr;
    QProgressDialog* iBuildProgress = nullptr;
    QTimer* iBuildProgressDelay = nullptr;
    FlashTemplateOutlineDelegate* iTmplDelegate = nullptr;
    FlashTmplValueDelegate* iValueDelegate = nullptr;

    std::shared_ptr<FlashPageSource> iFlashPageSource;
    std::shared_ptr<FlashTemplate> iFlashTmpl;
    std::shared_ptr<FlashOutline> iFlashOutline;
    std::shared_ptr<FlashPagesAnnotations> iFlashPagesAnnotations;
    QString iFlashPreviewFolder;
    bool iTerminated = false;

    ObserverRegistration iTipObserver;
    ObserverRegistration iValueObserver;
};

} // namespace pw
