#include "app/ProjectSession.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUndoStack>
#include <algorithm>

#include "app/RecentProjects.h"
#include "app/WindowMemory.h"
#include "base/PagewindException.h"

namespace pw {

namespace {

QString filter()
{
    return ProjectSession::tr("Pagewind projects (*.%1)").arg(QLatin1String(BookProject::kExtension));
}

std::optional<QString> askPath(QWidget* parent, const QString& title, const QString& proposed, bool save)
{
    QFileDialog panel(parent, title, proposed.isEmpty() ? WindowMemory::lastFolder(title) : proposed, filter());
    panel.setWindowModality(Qt::WindowModal);
    panel.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    panel.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    panel.setDefaultSuffix(QLatin1String(BookProject::kExtension));
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return std::nullopt;
    WindowMemory::rememberFolder(title, panel.selectedFiles().first());
    return panel.selectedFiles().first();
}

ProjectSession::Answer askUnsaved(QWidget* parent, const QString& name)
{
    const auto box = ProjectSession::makeUnsavedQuestion(parent, name);
    box->exec();
    switch (box->standardButton(box->clickedButton())) {
    case QMessageBox::Save:
        return ProjectSession::Answer::save;
    case QMessageBox::Discard:
        return ProjectSession::Answer::discard;
    default:
        return ProjectSession::Answer::cancel;
    }
}

QString listed(const std::vector<std::string>& paths)
{
    constexpr std::size_t kShown = 8;
    QStringList names;
    for (std::size_t i = 0; i < paths.size() && i < kShown; ++i)
        names.append(QStringLiteral("  ") + QString::fromStdString(paths[i]));
    if (paths.size() > kShown)
        names.append(ProjectSession::tr("  … and %n more", nullptr, static_cast<int>(paths.size() - kShown)));
    return names.join(QLatin1Char('\n'));
}

} // namespace

ProjectSession::ProjectSession(QWidget* window)
    : QObject(window),
      iWindow(window),
      iProject(std::make_shared<BookProject>()),
      iUnsavedQuestion(askUnsaved),
      iOpenQuestion([](QWidget* parent, const QString& proposed) {
          return askPath(parent, ProjectSession::tr("Open a project"), proposed, false);
      }),
      iSaveQuestion([](QWidget* parent, const QString& proposed) {
          return askPath(parent, ProjectSession::tr("Save the project"), proposed, true);
      })
{
    iUndoStack = new QUndoStack(this);
    connect(iUndoStack, &QUndoStack::cleanChanged, this, &ProjectSession::titleChanged);
}

ProjectSession::~ProjectSession() = default;

std::unique_ptr<QMessageBox> ProjectSession::makeUnsavedQuestion(QWidget* parent, const QString& name)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, tr("Unsaved changes"),
                                             tr("Do you want to save the changes to \u201c%1\u201d?").arg(name),
                                             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box->setInformativeText(tr("Your changes are lost if you don't save them."));
    // Each with a key of its own: Alt+D answers "Don't Save" as a click would.
    box->button(QMessageBox::Save)->setText(tr("&Save"));
    box->button(QMessageBox::Discard)->setText(tr("&Don't Save"));
    box->button(QMessageBox::Cancel)->setText(tr("Cancel"));
    box->setDefaultButton(QMessageBox::Save);
    box->setWindowModality(Qt::WindowModal);
    return box;
}

QString ProjectSession::reportText(const BookProject::OpenReport& report)
{
    QStringList parts;
    // Pages built of pictures of the list are named once, with the list's pictures.
    std::vector<std::string> pagesOnly;
    for (const std::string& page : report.missingPages) {
        if (std::find(report.missingPictures.begin(), report.missingPictures.end(), page) == report.missingPictures.end())
            pagesOnly.push_back(page);
    }
    if (!report.missingPictures.empty())
        parts.append(tr("These pictures of the list are missing; they are marked in the list:\n%1").arg(listed(report.missingPictures)));
    if (!pagesOnly.empty())
        parts.append(tr("The book's pages cannot be made again, these files are missing:\n%1\nThe preview shows the "
                        "demonstration pages until you build or import the pages again.")
                         .arg(listed(pagesOnly)));
    else if (!report.missingPages.empty())
        parts.append(tr("The book's pages are made of missing pictures: the preview shows the demonstration pages until "
                        "Locate\u2026 finds them."));
    if (!report.missingFiles.empty())
        parts.append(tr("These files chosen in the properties are missing:\n%1").arg(listed(report.missingFiles)));
    if (report.missingStyle)
        parts.append(tr("The style \u201c%1\u201d is not installed.").arg(QString::fromStdString(*report.missingStyle)));
    if (!report.unknownKeys.empty())
        parts.append(tr("The template has no properties %1 any more; their values were not used.")
                         .arg(QString::fromStdString([&] {
                             std::string keys;
                             for (const std::string& key : report.unknownKeys)
                                 keys += (keys.empty() ? "\u201c" : ", \u201c") + key + "\u201d";
                             return keys;
                         }())));
    return parts.join(QStringLiteral("\n\n"));
}

bool ProjectSession::isModified() const
{
    return iChangedOutsideUndo || !iUndoStack->isClean();
}

void ProjectSession::markChanged()
{
    if (iChangedOutsideUndo)
        return;
    iChangedOutsideUndo = true;
    emit titleChanged();
}

QString ProjectSession::displayName() const
{
    return iProject->filePath().empty() ? tr("Untitled") : QString::fromStdString(iProject->displayName());
}

QString ProjectSession::windowTitle() const
{
    return tr("%1[*] \u2014 Pagewind").arg(displayName());
}

bool ProjectSession::maybeSave()
{
    if (!isModified())
        return true;
    switch (iUnsavedQuestion(iWindow, displayName())) {
    case Answer::save:
        return save();
    case Answer::discard:
        return true;
    case Answer::cancel:
        return false;
    }
    return false;
}

void ProjectSession::replace(std::shared_ptr<BookProject> project, const BookProject::OpenReport& report)
{
    iProject = std::move(project);
    iUndoStack->clear();
    iChangedOutsideUndo = false;
    emit projectReplaced(report);
    emit titleChanged();
}

void ProjectSession::newProject()
{
    if (maybeSave())
        replace(std::make_shared<BookProject>(), {});
}

void ProjectSession::open()
{
    if (!maybeSave())
        return;
    const std::optional<QString> path = iOpenQuestion(iWindow, QString());
    if (path)
        load(*path);
}

bool ProjectSession::openPath(const QString& path)
{
    return maybeSave() && load(path);
}

bool ProjectSession::load(const QString& path)
{
    BookProject::OpenReport report;
    std::unique_ptr<BookProject> opened;
    try {
        opened = BookProject::open(path.toStdString(), &report);
    } catch (const PagewindException& error) {
        emit problem(tr("Open"), QString::fromStdString(error.reason()));
        return false;
    }
    RecentProjects::add(QString::fromStdString(opened->filePath()));
    replace(std::move(opened), report);
    return true;
}

void ProjectSession::openRecent(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        RecentProjects::remove(path);
        emit problem(tr("Open Recent"), tr("\u201c%1\u201d no longer exists; it was removed from Open Recent.").arg(path));
        return;
    }
    openPath(path);
}

bool ProjectSession::save()
{
    if (iProject->filePath().empty())
        return saveAs();
    return saveTo(QString::fromStdString(iProject->filePath()));
}

bool ProjectSession::saveAs()
{
    const QString proposed = iProject->filePath().empty() ? QString() : QString::fromStdString(iProject->filePath());
    const std::optional<QString> path = iSaveQuestion(iWindow, proposed);
    return path && saveTo(*path);
}

bool ProjectSession::saveTo(const QString& path)
{
    QString target = path;
    if (QFileInfo(target).suffix().isEmpty())
        target += QLatin1Char('.') + QLatin1String(BookProject::kExtension);
    try {
        iProject->saveAs(target.toStdString());
    } catch (const PagewindException& error) {
        emit problem(tr("Save"), QString::fromStdString(error.reason()));
        return false;
    }
    RecentProjects::add(QString::fromStdString(iProject->filePath()));
    iChangedOutsideUndo = false;
    iUndoStack->setClean();
    emit titleChanged();
    return true;
}

} // namespace pw
