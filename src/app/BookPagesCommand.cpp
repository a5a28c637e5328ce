#include "app/BookPagesCommand.h"

namespace pw {

BookPagesCommand::BookPagesCommand(const QString& text, State before, State after, Apply apply)
    : QUndoCommand(text), iBefore(std::move(before)), iAfter(std::move(after)), iApply(std::move(apply))
{
}

} // namespace pw
