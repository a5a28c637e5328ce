#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pw {

class FlashOutline;
class FlashPageSource;
class FlashPagesAnnotations;
class FlashTemplate;

// The publish sheet: output folder, file name, page title and output type (a book folder
// with an HTML page, or a Mac application). Publish saves the choices, writes the book and,
// once the book is complete, offers to open it. A failure is shown in the sheet, which stays
// open so the user can correct the folder or name and try again.
class OutputWindowDelegate : public QDialog {
    Q_OBJECT

public:
    enum OutputType { bookFolder = 0, macApplication = 1 };
    // Asked after a complete book: true opens the result.
    using FinishedQuestion = std::function<bool(QWidget* parent)>;
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

    void setFinishedQuestion(FinishedQuestion question) { iFinishedQuestion = std::move(question); }
    void setOpener(Opener opener) { iOpener = std::move(opener); }

    // The controls, for the window's own wiring and for tests.
    QLineEdit* txtOutputFolder() const { return iTxtOutputFolder; }
    QLineEdit* txtOutputName() const { return iTxtOutputName; }
    QLineEdit* txtTitle() const { return iTxtTitle; }
    QButtonGroup* mOutputType() const { return iOutputType; }
    QLabel* lblError() const { return iLblError; }
    // What the last publication wrote: the HTML page or the bundle; empty before.
    const QString& lastOutputFile() const { return iLastOutputFile; }

public slots:
    void onSelectFolder();
    void onOpenFolder();
    void onCancel();
    void onPublish();

private:
    void buildLayout();
    void showError(const QString& message);
    // Why the fields cannot be published as they are, or empty.
    QString fieldProblem() const;
    bool publishBook(int outputType);

    QLineEdit* iTxtOutputFolder = nullptr;
    QLineEdit* iTxtOutputName = nullptr;
    QLineEdit* iTxtTitle = nullptr;
    QButtonGroup* iOutputType = nullptr;
    QLabel* iLblError = nullptr;
    QPushButton* iBtnPublish = nullptr;

    std::shared_ptr<FlashPageSource> iFlashPageSource;
    std::shared_ptr<FlashTemplate> iFlashTmpl;
    std::shared_ptr<FlashOutline> iFlashOutline;
    std::shared_ptr<FlashPagesAnnotations> iFlashPagesAnnotations;
    FinishedQuestion iFinishedQuestion;
    Opener iOpener;
    QString iLastOutputFile;
};

} // namespace pw
