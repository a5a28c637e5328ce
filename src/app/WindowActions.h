#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QUndoStack;

namespace pw {

// The main window's actions with their standard shortcuts, its menus (File, Edit, Template,
// Help) and its toolbar. The window connects the actions to what they do.
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
    QAction* apply = nullptr;
    QAction* chooseTemplate = nullptr;
    QAction* importSettings = nullptr;
    QAction* exportSettings = nullptr;
    QAction* manual = nullptr;
    QAction* about = nullptr;

private:
    void buildMenus(QMainWindow* window);
    void buildToolbar(QMainWindow* window);
};

} // namespace pw
