#include "app/OutputWindowDelegate.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>
#include <exception>

#include "app/AppSettings.h"
#include "app/SheetSupport.h"
#include "app/WaitCursor.h"
#include "base/Log.h"
#include "book/FlashBookOutput.h"
#include "book/FlashBookOutputApp.h"
#include "template/HTMLConfigInfo.h"

namespace pw {

namespace {

bool askToOpen(QWidget* parent)
{
    QMessageBox box(QMessageBox::Information, QObject::tr("Open the result files?"),
                    QObject::tr("Open the result files?"), QMessageBox::NoButton, parent);
    box.setInformativeText(QObject::tr("Publish finished! Open the it?"));
    QPushButton* open = box.addButton(QObject::tr("Open it"), QMessageBox::AcceptRole);
    box.addButton(QObject::tr("No"), QMessageBox::RejectRole);
    box.setDefaultButton(open);
    box.exec();
    return box.clickedButton() == open;
}

void openWithDesktop(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace

OutputWindowDelegate::OutputWindowDelegate(QWidget* parent)
    : QDialog(parent), iFinishedQuestion(askToOpen), iOpener(openWithDesktop)
{
    setWindowTitle(tr("Publish the book"));
    setWindowModality(Qt::WindowModal);
    buildLayout();
    const AppSettings& settings = AppSettings::shareInstance();
    iTxtOutputFolder->setText(settings.lastOutputFileFolder());
    iTxtOutputName->setText(settings.lastOutputFileName());
    iTxtTitle->setText(settings.lastOutputFileTitle());
    QAbstractButton* type = iOutputType->button(settings.outputType());
    (type ? type : iOutputType->button(bookFolder))->setChecked(true);
}

OutputWindowDelegate::~OutputWindowDelegate() = default;

void OutputWindowDelegate::buildLayout()
{
    iTxtOutputFolder = new QLineEdit(this);  // widgets are owned by their Qt parent
    iTxtOutputFolder->setPlaceholderText(tr("Folder the book is written into"));
    auto* chooseFolder = new QPushButton(tr("Choose…"), this);
    auto* openFolder = new QPushButton(tr("Show"), this);
    openFolder->setToolTip(tr("Show the folder in the file manager"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(iTxtOutputFolder, 1);
    folderRow->addWidget(chooseFolder);
    folderRow->addWidget(openFolder);

    iTxtOutputName = new QLineEdit(this);
    iTxtOutputName->setPlaceholderText(tr("index"));
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

    iLblError = sheet::makeErrorLabel(this);

    auto* buttons = new QDialogButtonBox(this);
    iBtnPublish = buttons->addButton(tr("Publish"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(iLblError);
    layout->addWidget(buttons);
    setMinimumWidth(560);

    connect(chooseFolder, &QPushButton::clicked, this, &OutputWindowDelegate::onSelectFolder);
    connect(openFolder, &QPushButton::clicked, this, &OutputWindowDelegate::onOpenFolder);
    connect(buttons, &QDialogButtonBox::accepted, this, &OutputWindowDelegate::onPublish);
    connect(buttons, &QDialogButtonBox::rejected, this, &OutputWindowDelegate::onCancel);
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

void OutputWindowDelegate::onCancel()
{
    iLblError->hide();
    done(0);
}

QString OutputWindowDelegate::fieldProblem() const
{
    if (iTxtOutputFolder->text().trimmed().isEmpty())
        return tr("Choose the folder the book is written into.");
    const QString name = iTxtOutputName->text();
    if (name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String(".."))
        return tr("The file name \"%1\" cannot contain \"/\"; the folder goes in the field above.").arg(name);
    if (!iFlashPageSource || !iFlashTmpl)
        return tr("There is no book to publish.");
    return {};
}

void OutputWindowDelegate::onPublish()
{
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
    if (!publishBook(settings.outputType()))
        return;
    iLblError->hide();
    if (iFinishedQuestion(this))
        iOpener(iLastOutputFile);
    done(1);
}

bool OutputWindowDelegate::publishBook(int outputType)
{
    const QString folder = QDir::cleanPath(iTxtOutputFolder->text().trimmed());
    // No name means the usual start page of a web folder, as the field's hint says.
    const QString name = iTxtOutputName->text().trimmed().isEmpty() ? QStringLiteral("index") : iTxtOutputName->text().trimmed();
    const std::string htmlName = FlashBookOutput::htmlFileNameForName(name.toStdString());
    if (outputType != macApplication && !QDir().mkpath(folder)) {
        showError(tr("The output folder \"%1\" could not be made. Choose a folder you can write to.").arg(folder));
        return false;
    }
    auto htmlConfig = std::make_shared<HTMLConfigInfo>();
    std::unique_ptr<FlashBookOutput> writer;
    if (outputType == macApplication)
        writer = std::make_unique<FlashBookOutputApp>(iFlashPageSource, iFlashTmpl, folder.toStdString(), htmlName);
    else
        writer = std::make_unique<FlashBookOutput>(iFlashPageSource, iFlashTmpl, folder.toStdString(), htmlName);
    try {
        const WaitCursor waiting;
        htmlConfig->setHTMLTitle(AppSettings::shareInstance().lastOutputFileTitle().toStdString());
        writer->setHTMLConfig(htmlConfig);
        writer->setFlashPagesAnnotations(iFlashPagesAnnotations);
        writer->setFlashOutline(iFlashOutline);
        writer->ouputTheBook();
    } catch (const std::exception& error) {
        PW_LOG_ERROR("publish error:%s", error.what());
        showError(tr("The book could not be published: %1").arg(QString::fromUtf8(error.what())));
        return false;
    }
    if (!writer->failures().empty()) {
        QStringList lines;
        for (const std::string& failure : writer->failures())
            lines.append(QString::fromStdString(failure));
        const int shown = 5;
        QString text = lines.mid(0, shown).join(QLatin1Char('\n'));
        if (lines.size() > shown)
            text += tr("\n… and %1 more").arg(lines.size() - shown);
        showError(tr("The book is incomplete:\n%1").arg(text));
        return false;
    }
    iLastOutputFile = QString::fromStdString(writer->outputFileName());
    return true;
}

void OutputWindowDelegate::showError(const QString& message)
{
    iLblError->setText(message);
    iLblError->show();
}

} // namespace pw
