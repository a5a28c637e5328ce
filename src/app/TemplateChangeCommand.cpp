#include "app/TemplateChangeCommand.h"

namespace pw {

TemplateChangeCommand::TemplateChangeCommand(const QString& text, std::shared_ptr<FlashTemplate> before,
                                             std::shared_ptr<FlashTemplate> after, Apply apply)
    : QUndoCommand(text), iBefore(std::move(before)), iAfter(std::move(after)), iApply(std::move(apply))
{
}

} // namespace pw
