#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "project/BookProject.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QMessageBox;
class QProgressBar;
class QPushButton;

namespace pw {

class BookWriteTask;
class FlashOutline;
class FlashPageSource;
class FlashPagesAnnotations;
class FlashPagesText;
class FlashTemplate;

// The publish sheet: output folder, file name, page title and output type (a book folder
// with an HTML page, or a Mac application). Publish saves the choices, asks before replacing a
// book that is there, and writes the book on a worker thread with a progress bar; Cancel stops
// it and leaves the previous book as it was. Once the book is complete the sheet closes with 1
// and offers to open it. A failure is shown in the sheet, which stays open so the user can
// correct the folder or name and try again.
class OutputWindowDelegate : public QDialog {
    Q_OBJECT

public:
    enum OutputType { bookFolder = 0, macApplication = 1 };
    // Asked after a complete book, with the HTML that embeds it in a web page (empty for an
    // application): true opens the result.
    using FinishedQuestion = std::function<bool(QWidget* parent, const QString& embedCode)>;
    // Asked before a book that is there is replaced, with its folder or bundle: true replaces.
    using ReplaceQuestion = std::function<bool(QWidget* parent, const QString& book)>;
    // Opens a file or folder with the desktop's default application.
    using Opener = std::function<void(const QString& path)>;

    // Fills the fields from the settings, once.
    explicit OutputWindowDelegate(QWidget* parent = nullptr);
    ~OutputWindowDelegate() override;

    void setFlashPageSource(std::shared_ptr<FlashPageSource> pageSource) { iFlashPageSource = std::move(pageSource); }
    void setFlashTmpl(std::shared_ptr<FlashTemplate> flashTemplate) { iFlashTmpl = std::move(flashTemplate); }
    void setFlashOutline(std::shared_ptr<FlashOutline> outline) { iFlashOutline = std::move(outline); }
    void setFlashPagesAnnotations(std::shared_ptr<FlashPagesAnnotations> annotations)
    {
        iFlashPagesAnnotations = std::move(annotations);
    }
    // Why the book's pages are not what the project asks for (they could not be made); empty
    // when they are. Publishing is refused with it.
    void setPagesProblem(const QString& problem) { iPagesProblem = problem; }

    // Shows the sheet for the project's book: its pages, template, outline and annotations, its
    // publish choices, and why its pages are missing when they could not be made.
    void openFor(const BookProject& project);
    // A project's choices fill the fields; one without a folder leaves them as they are.
    void setPublishChoice(const PublishChoice& choice);
    // The fields as a project's choices.
    PublishChoice publishChoice() const;

    void setFinishedQuestion(FinishedQuestion question) { iFinishedQuestion = std::move(question); }
    void setReplaceQuestion(ReplaceQuestion question) { iReplaceQuestion = std::move(question); }
    void setOpener(Opener opener) { iOpener = std::move(opener); }

    // The questions as they are shown, for the defaults and for screenshots.
    // With an embed code, the question shows it in its details and offers a button that copies it.
    static std::unique_ptr<QMessageBox> makeFinishedQuestion(QWidget* parent, const QString& embedCode = QString());
    static std::unique_ptr<QMessageBox> makeReplaceQuestion(QWidget* parent, const QString& book);

    // The controls, for the window's own wiring and for tests.
    QLineEdit* txtOutputFolder() const { return iTxtOutputFolder; }
    QLineEdit* txtOutputName() const { return iTxtOutputName; }
    QLineEdit* txtTitle() const { return iTxtTitle; }
    QButtonGroup* mOutputType() const { return iOutputType; }
    QLabel* lblError() const { return iLblError; }
    QProgressBar* progressBar() const { return iProgress; }
    BookWriteTask* writeTask() const { return iTask; }
    bool isPublishing() const;
    // What the last publication wrote: the HTML page or the bundle; empty before.
    const QString& lastOutputFile() const { return iLastOutputFile; }

public slots:
    void onSelectFolder();
    void onOpenFolder();
    // Stops a publication that runs; otherwise closes the sheet with 0.
    void onCancel();
    void onPublish();
    void reject() override;

private:
    void buildLayout();
    void showError(const QString& message);
    void setBusy(bool busy);
    // Why the fields cannot be published as they are, or empty.
    QString fieldProblem() const;
    void publishEnded();

    QLineEdit* iTxtOutputFolder = nullptr;
    QLineEdit* iTxtOutputName = nullptr;
    QLineEdit* iTxtTitle = nullptr;
    QButtonGroup* iOutputType = nullptr;
    QLabel* iLblError = nullptr;
    QProgressBar* iProgress = nullptr;
    QPushButton* iBtnPublish = nullptr;
    QList<QWidget*> iFields;
    BookWriteTask* iTask = nullptr;

    std::shared_ptr<FlashPageSource> iFlashPageSource;
    std::shared_ptr<FlashTemplate> iFlashTmpl;
    std::shared_ptr<FlashOutline> iFlashOutline;
    std::shared_ptr<FlashPagesAnnotations> iFlashPagesAnnotations;
    std::shared_ptr<FlashPagesText> iFlashPagesText;
    QString iPagesProblem;
    FinishedQuestion iFinishedQuestion;
    ReplaceQuestion iReplaceQuestion;
    Opener iOpener;
    QString iLastOutputFile;
    QString iPublishingFolder;
    QString iEmbedCode;
};

} // namespace pw
