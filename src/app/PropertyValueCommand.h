#pragma once

#include <QUndoCommand>
#include <optional>
#include <string>

#include "project/TemplateTree.h"

namespace pw {

class FlashTemplateOutlineDelegate;

// One undoable edit of a property value, made through the property editor's model. The
// property is named by its path, so the command stays right when the template it belongs to
// was swapped out and back by later commands.
class PropertyValueCommand : public QUndoCommand {
public:
    PropertyValueCommand(FlashTemplateOutlineDelegate* model, templatetree::Path path, std::optional<std::string> before,
                         std::optional<std::string> after, const QString& title);

    void redo() override;
    void undo() override;

private:
    FlashTemplateOutlineDelegate* iModel;
    templatetree::Path iPath;
    std::optional<std::string> iBefore;
    std::optional<std::string> iAfter;
};

} // namespace pw
