#include "app/OutputWindowDelegate.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/AppSettings.h"
#include "app/BookWriteTask.h"
#include "app/SheetSupport.h"
#include "base/FileUtil.h"
#include "base/Log.h"
#include "book/BookEmbedCode.h"
#include "project/BookPublisher.h"
#include "project/TemplateTree.h"

namespace pw {

namespace {

bool askToOpen(QWidget* parent, const QString& embedCode)
{
    const auto box = OutputWindowDelegate::makeFinishedQuestion(parent, embedCode);
    box->exec();
    return box->buttonRole(box->clickedButton()) == QMessageBox::AcceptRole;
}

bool askToReplace(QWidget* parent, const QString& book)
{
    const auto box = OutputWindowDelegate::makeReplaceQuestion(parent, book);
    box->exec();
    return box->buttonRole(box->clickedButton()) == QMessageBox::DestructiveRole;
}

void openWithDesktop(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString nameOrIndex(const QString& typed)
{
    // No name means the usual start page of a web folder, as the field's hint says.
    return typed.trimmed().isEmpty() ? QStringLiteral("index") : typed.trimmed();
}

} // namespace

OutputWindowDelegate::OutputWindowDelegate(QWidget* parent)
    : QDialog(parent), iFinishedQuestion(askToOpen), iReplaceQuestion(askToReplace), iOpener(openWithDesktop)
{
    setWindowTitle(tr("Publish the book"));
    setWindowModality(Qt::WindowModal);
    iTask = new BookWriteTask(this);  // a child
    buildLayout();
    const AppSettings& settings = AppSettings::shareInstance();
    iTxtOutputFolder->setText(settings.lastOutputFileFolder());
    iTxtOutputName->setText(settings.lastOutputFileName());
    iTxtTitle->setText(settings.lastOutputFileTitle());
    QAbstractButton* type = iOutputType->button(settings.outputType());
    (type ? type : iOutputType->button(bookFolder))->setChecked(true);
    connect(iTask, &BookWriteTask::progress, this, [this](int done, int total) {
        iProgress->setMaximum(total);
        iProgress->setValue(done);
    });
    connect(iTask, &BookWriteTask::finished, this, &OutputWindowDelegate::publishEnded);
}

OutputWindowDelegate::~OutputWindowDelegate() = default;

std::unique_ptr<QMessageBox> OutputWindowDelegate::makeFinishedQuestion(QWidget* parent, const QString& embedCode)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Information, tr("Book Published"), tr("Open the result files?"),
                                             QMessageBox::NoButton, parent);
    box->setInformativeText(tr("Publish finished! Open it?"));
    if (!embedCode.isEmpty()) {
        box->setDetailedText(embedCode);
        QPushButton* copy = box->addButton(tr("&Copy Embed Code"), QMessageBox::ActionRole);
        copy->setToolTip(tr("Copies the HTML that shows this book inside another web page"));
        // A message box closes on any of its buttons; this one copies and leaves the question open.
        QObject::disconnect(copy, &QAbstractButton::clicked, nullptr, nullptr);
        QObject::connect(copy, &QAbstractButton::clicked, copy, [copy, embedCode] {
            QGuiApplication::clipboard()->setText(embedCode);
            copy->setText(tr("Embed Code Copied"));
        });
    }
    QPushButton* open = box->addButton(tr("&Open it"), QMessageBox::AcceptRole);
    box->addButton(tr("&No"), QMessageBox::RejectRole);
    box->setDefaultButton(open);
    box->setWindowModality(Qt::WindowModal);
    return box;
}

std::unique_ptr<QMessageBox> OutputWindowDelegate::makeReplaceQuestion(QWidget* parent, const QString& book)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, tr("Replace the book?"),
                                             tr("\u201c%1\u201d already holds a book. Replace it?").arg(book),
                                             QMessageBox::NoButton, parent);
    box->setInformativeText(tr("Its pages and settings are replaced by this book's; other files in the folder stay."));
    box->addButton(tr("&Replace"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box->addButton(QMessageBox::Cancel);
    cancel->setText(tr("Cancel"));
    box->setDefaultButton(cancel);
    box->setWindowModality(Qt::WindowModal);
    return box;
}

void OutputWindowDelegate::buildLayout()
{
    iTxtOutputFolder = new QLineEdit(this);  // widgets are owned by their Qt parent
    iTxtOutputFolder->setPlaceholderText(tr("Folder the book is written into"));
    iTxtOutputFolder->setAccessibleName(tr("Output folder"));
    auto* chooseFolder = new QPushButton(tr("Choose…"), this);
    chooseFolder->setAccessibleName(tr("Choose the output folder"));
    auto* openFolder = new QPushButton(tr("Show"), this);
    openFolder->setToolTip(tr("Show the folder in the file manager"));
    openFolder->setAccessibleName(tr("Show the output folder"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(iTxtOutputFolder, 1);
    folderRow->addWidget(chooseFolder);
    folderRow->addWidget(openFolder);

    iTxtOutputName = new QLineEdit(this);
    iTxtOutputName->setPlaceholderText(QStringLiteral("index"));  // the page an empty name gives
    iTxtTitle = new QLineEdit(this);
    iTxtTitle->setPlaceholderText(tr("Title of the web page"));

    auto* folderType = new QRadioButton(tr("Book folder with an HTML page"), this);
    auto* appType = new QRadioButton(tr("Mac application"), this);
    iOutputType = new QButtonGroup(this);
    iOutputType->addButton(folderType, bookFolder);
    iOutputType->addButton(appType, macApplication);
    auto* typeColumn = new QVBoxLayout;
    typeColumn->addWidget(folderType);
    typeColumn->addWidget(appType);

    auto* form = new QFormLayout;
    form->addRow(tr("Output folder:"), folderRow);
    form->addRow(tr("File name:"), iTxtOutputName);
    form->addRow(tr("Page title:"), iTxtTitle);
    form->addRow(tr("Output type:"), typeColumn);

    iProgress = new QProgressBar(this);
    iProgress->setFormat(tr("Writing page %v of %m"));
    iProgress->setAccessibleName(tr("Publishing progress"));
    iProgress->hide();
    iLblError = sheet::makeErrorLabel(this);

    auto* buttons = new QDialogButtonBox(this);
    iBtnPublish = buttons->addButton(tr("Publish"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(iProgress);
    layout->addWidget(iLblError);
    layout->addWidget(buttons);
    setMinimumWidth(560);
    iFields = {iTxtOutputFolder, chooseFolder, iTxtOutputName, iTxtTitle, folderType, appType, iBtnPublish};

    connect(chooseFolder, &QPushButton::clicked, this, &OutputWindowDelegate::onSelectFolder);
    connect(openFolder, &QPushButton::clicked, this, &OutputWindowDelegate::onOpenFolder);
    connect(buttons, &QDialogButtonBox::accepted, this, &OutputWindowDelegate::onPublish);
    connect(buttons, &QDialogButtonBox::rejected, this, &OutputWindowDelegate::onCancel);
}

void OutputWindowDelegate::openFor(const BookProject& project)
{
    const BookPages& pages = project.bookPages();
    iFlashTmpl = project.flashTemplate();
    iFlashPageSource = pages.pageSource;
    iFlashOutline = pages.outline;
    iFlashPagesAnnotations = pages.annotations;
    iFlashPagesText = pages.text;
    if (pages.pageSource)
        iPagesProblem.clear();
    else if (pages.origin == PagesOrigin::pdf)
        iPagesProblem = tr("The book's pages could not be made from %1. Import the PDF again.").arg(QString::fromStdString(pages.pdfPath));
    else
        iPagesProblem = tr("The book's pages could not be made from the pictures. Build the book again.");
    setPublishChoice(project.publishChoice());
    open();
}

void OutputWindowDelegate::setPublishChoice(const PublishChoice& choice)
{
    if (choice.folder.empty())
        return;
    iTxtOutputFolder->setText(QString::fromStdString(choice.folder));
    iTxtOutputName->setText(QString::fromStdString(choice.name));
    iTxtTitle->setText(QString::fromStdString(choice.title));
    iOutputType->button(choice.outputType == macApplication ? macApplication : bookFolder)->setChecked(true);
}

PublishChoice OutputWindowDelegate::publishChoice() const
{
    return {QDir::cleanPath(iTxtOutputFolder->text().trimmed()).toStdString(), iTxtOutputName->text().trimmed().toStdString(),
            iTxtTitle->text().toStdString(), iOutputType->checkedId() == macApplication ? 1 : 0};
}

void OutputWindowDelegate::onSelectFolder()
{
    // Cancel leaves the field as it was.
    sheet::openPathPanel(this, tr("Choose the output folder"), QFileDialog::Directory, QString(), tr("Choose folder"),
                         [this](const QString& path) { iTxtOutputFolder->setText(path); });
}

void OutputWindowDelegate::onOpenFolder()
{
    const QString folder = iTxtOutputFolder->text().trimmed();
    if (folder.isEmpty() || !QDir(folder).exists()) {
        showError(tr("The folder \"%1\" does not exist yet.").arg(folder));
        return;
    }
    iOpener(folder);
}

bool OutputWindowDelegate::isPublishing() const
{
    return iTask->isRunning();
}

void OutputWindowDelegate::onCancel()
{
    if (isPublishing()) {
        iTask->cancel();
        return;
    }
    iLblError->hide();
    done(0);
}

void OutputWindowDelegate::reject()
{
    onCancel();
}

QString OutputWindowDelegate::fieldProblem() const
{
    if (iTxtOutputFolder->text().trimmed().isEmpty())
        return tr("Choose the folder the book is written into.");
    const QString name = iTxtOutputName->text();
    if (name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String(".."))
        return tr("The file name \"%1\" cannot contain \"/\"; the folder goes in the field above.").arg(name);
    if (!iPagesProblem.isEmpty())
        return iPagesProblem;
    if (!iFlashPageSource || !iFlashTmpl)
        return tr("There is no book to publish.");
    return {};
}

void OutputWindowDelegate::setBusy(bool busy)
{
    for (QWidget* field : iFields)
        field->setEnabled(!busy);
    iProgress->setVisible(busy);
    iProgress->setRange(0, 0);
}

void OutputWindowDelegate::onPublish()
{
    if (isPublishing())
        return;
    AppSettings& settings = AppSettings::shareInstance();
    settings.setLastOutputFileFolder(iTxtOutputFolder->text());
    settings.setLastOutputFileName(iTxtOutputName->text());
    settings.setLastOutputFileTitle(iTxtTitle->text());
    settings.setOutputType(iOutputType->checkedId() == macApplication ? macApplication : bookFolder);
    settings.saveSettings();

    if (const QString problem = fieldProblem(); !problem.isEmpty()) {
        showError(problem);
        return;
    }
    iLblError->hide();
    iPublishingFolder = QDir::cleanPath(iTxtOutputFolder->text().trimmed());
    BookPublisher::Target target{iPublishingFolder.toStdString(), nameOrIndex(iTxtOutputName->text()).toStdString(),
                                 settings.lastOutputFileTitle().toStdString(), settings.outputType() == macApplication};
    if (BookPublisher::holdsBook(target)) {
        const QString book = target.macApplication ? QString::fromStdString(BookPublisher::outputFileFor(target)) : iPublishingFolder;
        if (!iReplaceQuestion(this, book))
            return;
    }
    if (!target.macApplication && !QDir().mkpath(iPublishingFolder)) {
        showError(tr("The output folder \"%1\" could not be made. Choose a folder you can write to.").arg(iPublishingFolder));
        return;
    }
    iEmbedCode = target.macApplication
                     ? QString()
                     : QString::fromStdString(BookEmbedCode::forBook(*iFlashTmpl, target.folder,
                                                                     file::lastPathComponent(BookPublisher::outputFileFor(target)),
                                                                     target.title));
    setBusy(true);
    // The writer reads a copy: the template may be edited while the book is written.
    iTask->start({iFlashPageSource, templatetree::copyOf(*iFlashTmpl), iFlashOutline, iFlashPagesAnnotations, iFlashPagesText},
                 std::move(target));
}

void OutputWindowDelegate::publishEnded()
{
    setBusy(false);
    const BookPublisher::Result& result = iTask->result();
    if (result.stopped) {
        showError(tr("Publishing was stopped; the book in \"%1\" is as it was.").arg(iPublishingFolder));
        return;
    }
    if (!result.failures.empty()) {
        PW_LOG_ERROR("publish error:%s", result.failures.front().c_str());
        QStringList lines;
        for (const std::string& failure : result.failures)
            lines.append(QString::fromStdString(failure));
        const int shown = 5;
        QString text = lines.mid(0, shown).join(QLatin1Char('\n'));
        if (lines.size() > shown)
            text += tr("\n… and %n more", nullptr, static_cast<int>(lines.size() - shown));
        showError(tr("The book is incomplete:\n%1").arg(text));
        return;
    }
    iLastOutputFile = QString::fromStdString(result.outputFile);
    if (iFinishedQuestion(this, iEmbedCode))
        iOpener(iLastOutputFile);
    done(1);
}

void OutputWindowDelegate::showError(const QString& message)
{
    iLblError->setText(message);
    iLblError->show();
}

} // namespace pw
