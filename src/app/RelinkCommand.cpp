#include "app/RelinkCommand.h"

namespace pw {

RelinkCommand::RelinkCommand(const QString& text, Paths before, Paths after, Apply apply)
    : QUndoCommand(text), iBefore(std::move(before)), iAfter(std::move(after)), iApply(std::move(apply))
{
}

} // namespace pw
