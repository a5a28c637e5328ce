#include "app/WindowActions.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QUndoStack>

#include "app/ApplyChangeIndicator.h"

namespace pw {

namespace {

QAction* makeAction(QObject* parent, const QString& text, const QKeySequence& keys, QStyle::StandardPixmap icon = QStyle::SP_CustomBase)
{
    auto* action = new QAction(text, parent);  // owned by the window's actions
    action->setShortcut(keys);
    if (icon != QStyle::SP_CustomBase)
        action->setIcon(QApplication::style()->standardIcon(icon));
    return action;
}

} // namespace

WindowActions::WindowActions(QMainWindow* window, QUndoStack* undoStack) : QObject(window)
{
    newProject = makeAction(this, tr("&New Project"), QKeySequence::New, QStyle::SP_FileIcon);
    openProject = makeAction(this, tr("&Open Project…"), QKeySequence::Open, QStyle::SP_DialogOpenButton);
    save = makeAction(this, tr("&Save"), QKeySequence::Save, QStyle::SP_DialogSaveButton);
    saveAs = makeAction(this, tr("Save &As…"), QKeySequence::SaveAs);
    addPictures = makeAction(this, tr("Add &Pictures…"), QKeySequence(tr("Ctrl+Shift+O")), QStyle::SP_DirOpenIcon);
    buildBook = makeAction(this, tr("&Build Book"), QKeySequence(tr("Ctrl+B")), QStyle::SP_FileDialogDetailedView);
    importPdf = makeAction(this, tr("&Import PDF…"), QKeySequence(tr("Ctrl+I")), QStyle::SP_FileIcon);
    publish = makeAction(this, tr("P&ublish…"), QKeySequence(tr("Ctrl+P")), QStyle::SP_ArrowRight);
    quit = makeAction(this, tr("&Quit"), QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
    undo = undoStack->createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    redo = undoStack->createRedoAction(this, tr("&Redo"));
    redo->setShortcut(QKeySequence::Redo);
    deleteSelection = makeAction(this, tr("&Delete"), QKeySequence::Delete);
    deleteSelection->setToolTip(tr("Remove the selected pictures from the list"));
    selectAll = makeAction(this, tr("Select &All"), QKeySequence::SelectAll);
    for (QAction* action : {deleteSelection, selectAll})
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);  // the window adds them to the list
    preferences = makeAction(this, tr("Pre&ferences…"), QKeySequence::Preferences);
    preferences->setMenuRole(QAction::PreferencesRole);
    apply = makeAction(this, tr("&Apply"), QKeySequence(tr("Ctrl+R")));
    apply->setToolTip(tr("Show the changed properties in the preview"));
    apply->setIcon(QIcon(ApplyChangeIndicator::resourcePath(QStringLiteral("apply"))));
    chooseTemplate = makeAction(this, tr("Choose &Template…"), QKeySequence(tr("Ctrl+T")), QStyle::SP_FileDialogContentsView);
    importSettings = makeAction(this, tr("I&mport Settings…"), QKeySequence());
    exportSettings = makeAction(this, tr("&Export Settings…"), QKeySequence());
    about = makeAction(this, tr("&About Pagewind"), QKeySequence());
    about->setMenuRole(QAction::AboutRole);
    for (QAction* action : {newProject, openProject, save, saveAs, addPictures, buildBook, importPdf, publish, quit, undo,
                            redo, apply, chooseTemplate, importSettings, exportSettings, preferences, about})
        window->addAction(action);  // shortcuts work wherever the focus is in the window
    buildMenus(window);
    buildToolbar(window);
}

void WindowActions::buildMenus(QMainWindow* window)
{
    QMenu* file = window->menuBar()->addMenu(tr("&File"));
    file->addActions({newProject, openProject});
    openRecent = file->addMenu(tr("Open &Recent"));
    file->addActions({save, saveAs});
    file->addSeparator();
    file->addActions({addPictures, buildBook, importPdf});
    file->addSeparator();
    file->addAction(publish);
    file->addSeparator();
    file->addAction(quit);
    QMenu* edit = window->menuBar()->addMenu(tr("&Edit"));
    edit->addActions({undo, redo});
    edit->addSeparator();
    edit->addActions({deleteSelection, selectAll});
    edit->addSeparator();
    edit->addAction(preferences);
    QMenu* book = window->menuBar()->addMenu(tr("&Template"));
    book->addActions({chooseTemplate, apply});
    book->addSeparator();
    book->addActions({importSettings, exportSettings});
    window->menuBar()->addMenu(tr("&Help"))->addAction(about);
}

QIcon WindowActions::toolbarIcon(const QIcon& icon, const QSize& size)
{
    // The largest picture the icon has, scaled to the size and to twice it for dense screens.
    QSize largest;
    for (const QSize& available : icon.availableSizes())
        largest = available.width() > largest.width() ? available : largest;
    const QPixmap source = icon.pixmap(largest.isValid() ? largest : size * 2);
    if (source.isNull())
        return icon;
    QIcon uniform;
    for (const int scale : {1, 2})
        uniform.addPixmap(source.scaled(size * scale, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return uniform;
}

void WindowActions::buildToolbar(QMainWindow* window)
{
    QToolBar* toolbar = window->addToolBar(tr("Book"));
    toolbar->setObjectName(QStringLiteral("bookToolbar"));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar->setIconSize(QSize(28, 28));
    for (QAction* action : {addPictures, buildBook, importPdf, chooseTemplate, publish})
        action->setIcon(toolbarIcon(action->icon(), toolbar->iconSize()));
    toolbar->addActions({addPictures, buildBook, importPdf});
    toolbar->addSeparator();
    toolbar->addActions({chooseTemplate, apply});
    toolbar->addSeparator();
    toolbar->addAction(publish);
}

} // namespace pw
