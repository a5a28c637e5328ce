#pragma once

#include <QIcon>
#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QUndoStack;

namespace pw {

// The main window's actions with their standard shortcuts, its menus (File, Edit, Template,
// Help) and its toolbar. The window connects the actions to what they do. Delete and Select All
// act on the picture list: their keys work where the window gives them to the list, so that
// text fields keep their own.
class WindowActions : public QObject {
    Q_OBJECT

public:
    // Undo and Redo come from the stack and name the step they undo or redo.
    WindowActions(QMainWindow* window, QUndoStack* undoStack);

    QAction* newProject = nullptr;
    QAction* openProject = nullptr;
    QMenu* openRecent = nullptr;  // filled by the window when it is about to show
    QAction* save = nullptr;
    QAction* saveAs = nullptr;
    QAction* addPictures = nullptr;
    QAction* buildBook = nullptr;
    QAction* importPdf = nullptr;
    QAction* publish = nullptr;
    QAction* quit = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* deleteSelection = nullptr;
    QAction* selectAll = nullptr;
    QAction* preferences = nullptr;
    QAction* apply = nullptr;
    QAction* chooseTemplate = nullptr;
    QAction* importSettings = nullptr;
    QAction* exportSettings = nullptr;
    QAction* about = nullptr;

    // A toolbar icon of the size given, whatever sizes the style draws the standard one at, so
    // that the toolbar's buttons line up.
    static QIcon toolbarIcon(const QIcon& icon, const QSize& size);

private:
    void buildMenus(QMainWindow* window);
    void buildToolbar(QMainWindow* window);
};

} // namespace pw
