#pragma once

#include <QUndoCommand>
#include <functional>
#include <string>

#include "project/BookProject.h"

namespace pw {

// One undoable change of the book's pages (a build or a PDF import) together with the page
// size that came with them.
class BookPagesCommand : public QUndoCommand {
public:
    struct State {
        BookPages pages;
        std::string pageWidth;
        std::string pageHeight;
    };
    using Apply = std::function<void(const State&)>;

    BookPagesCommand(const QString& text, State before, State after, Apply apply);

    void redo() override { iApply(iAfter); }
    void undo() override { iApply(iBefore); }

private:
    State iBefore;
    State iAfter;
    Apply iApply;
};

} // namespace pw
