#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "project/BookProject.h"

class QMessageBox;
class QUndoStack;
class QWidget;

namespace pw {

// The project being worked on, as a document: its file (New, Open, Save, Save As, Open Recent),
// its undo stack, and whether it has unsaved changes. It asks Save / Discard / Cancel before
// unsaved changes would be lost, and reports problems instead of failing silently.
class ProjectSession : public QObject {
    Q_OBJECT

public:
    enum class Answer { save, discard, cancel };
    // Asked before unsaved changes of the named project would be lost.
    using UnsavedQuestion = std::function<Answer(QWidget* parent, const QString& name)>;
    // Asks for a file to open, or to save as (proposing a path); none on Cancel.
    using PathQuestion = std::function<std::optional<QString>(QWidget* parent, const QString& proposed)>;

    // Questions and problems open on the window.
    explicit ProjectSession(QWidget* window);
    ~ProjectSession() override;

    const std::shared_ptr<BookProject>& project() const { return iProject; }
    QUndoStack* undoStack() const { return iUndoStack; }
    // Unsaved changes: undoable steps since the last save, or a change made outside them.
    bool isModified() const;
    // A change that is not an undo step (the publish choices) makes the project modified too.
    void markChanged();
    // The project file's name without extension, or "Untitled" in the interface's language.
    QString displayName() const;
    // "name[*] — Pagewind", for QWidget::setWindowTitle with setWindowModified.
    QString windowTitle() const;

    // True when nothing unsaved would be lost: not modified, saved, or discarded on purpose.
    bool maybeSave();
    void newProject();
    // Asks for a project file and opens it.
    void open();
    // Opens that project, after maybeSave; false (with the problem reported) when it cannot be read.
    bool openPath(const QString& path);
    // An entry of Open Recent: a project that no longer exists is removed from the list.
    void openRecent(const QString& path);
    // Saves to the project's file, or asks for one first; false when not saved.
    bool save();
    bool saveAs();
    // Writes to the path ("." + extension added when it has none) and makes it the file.
    bool saveTo(const QString& path);

    void setUnsavedQuestion(UnsavedQuestion question) { iUnsavedQuestion = std::move(question); }
    void setOpenQuestion(PathQuestion question) { iOpenQuestion = std::move(question); }
    void setSaveQuestion(PathQuestion question) { iSaveQuestion = std::move(question); }

    // The message that names what opening a project found missing; empty when nothing was.
    static QString reportText(const BookProject::OpenReport& report);
    // The Save / Discard / Cancel question as it is shown.
    static std::unique_ptr<QMessageBox> makeUnsavedQuestion(QWidget* parent, const QString& name);

signals:
    // Another project is in place (New or Open); report says what opening found missing.
    void projectReplaced(const BookProject::OpenReport& report);
    // The title or the modified mark changed.
    void titleChanged();
    // Something the user should know went wrong.
    void problem(const QString& title, const QString& message);

private:
    void replace(std::shared_ptr<BookProject> project, const BookProject::OpenReport& report);
    // Opens without asking; the caller asked.
    bool load(const QString& path);

    QWidget* iWindow;
    std::shared_ptr<BookProject> iProject;
    QUndoStack* iUndoStack = nullptr;  // a child
    bool iChangedOutsideUndo = false;
    UnsavedQuestion iUnsavedQuestion;
    PathQuestion iOpenQuestion;
    PathQuestion iSaveQuestion;
};

} // namespace pw
