#pragma once

#include <QUndoCommand>
#include <functional>
#include <string>

#include "project/BookProject.h"


namespace pw {

class FlashTemplate;
class ImportWindowDelegate;

// One undoable change of the book's pages (a build or a PDF import) together with the page
// size that came with them.
class BookPagesCommand : public QUndoCommand {
public:
    struct State {
        BookPages pages;
        std::string pageWidth;
        std::string pageHeight;
        std::string bookTitle;  // the import may give the book its document's title
    };
    using Apply = std::function<void(const State&)>;

    // What the import sheet made, with the PDF it imported and the import's choices (which the
    // sheet stores in the settings as it starts); the page size is the first page's, the title
    // the document's when the current template's is still its own (adoptDocumentTitle).
    static State importedState(const ImportWindowDelegate& sheet, const FlashTemplate& current);

    BookPagesCommand(const QString& text, State before, State after, Apply apply);

    void redo() override { iApply(iAfter); }
    void undo() override { iApply(iBefore); }

private:
    State iBefore;
    State iAfter;
    Apply iApply;
};

} // namespace pw
