#pragma once

#include <QStringList>
#include <QUndoCommand>
#include <functional>
#include <string>
#include <vector>

namespace pw {

// One undoable relink of missing pictures found in their new place: the picture list and the
// pictures the book's pages are built from, before and after.
class RelinkCommand : public QUndoCommand {
public:
    struct Paths {
        QStringList pictures;
        std::vector<std::string> builtPictures;
    };
    // Puts the paths in place: in the list, the project, the window.
    using Apply = std::function<void(const Paths&)>;

    RelinkCommand(const QString& text, Paths before, Paths after, Apply apply);

    void redo() override { iApply(iAfter); }
    void undo() override { iApply(iBefore); }

private:
    Paths iBefore;
    Paths iAfter;
    Apply iApply;
};

} // namespace pw
