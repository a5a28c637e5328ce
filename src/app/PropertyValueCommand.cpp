#include "app/PropertyValueCommand.h"

#include <QCoreApplication>

#include "app/FlashTemplateOutlineDelegate.h"

namespace pw {

PropertyValueCommand::PropertyValueCommand(FlashTemplateOutlineDelegate* model, templatetree::Path path,
                                           std::optional<std::string> before, std::optional<std::string> after,
                                           const QString& title)
    : QUndoCommand(QCoreApplication::translate("PropertyValueCommand", "Change \u201c%1\u201d").arg(title)),
      iModel(model),
      iPath(std::move(path)),
      iBefore(std::move(before)),
      iAfter(std::move(after))
{
}

void PropertyValueCommand::redo()
{
    iModel->storeValue(iPath, iAfter);
}

void PropertyValueCommand::undo()
{
    iModel->storeValue(iPath, iBefore);
}

} // namespace pw
