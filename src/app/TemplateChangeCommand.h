#pragma once

#include <QUndoCommand>
#include <functional>
#include <memory>

namespace pw {

class FlashTemplate;

// One undoable change of the whole template: another template or style, or imported settings.
// The template objects themselves are kept, so undo brings back exactly what was there.
class TemplateChangeCommand : public QUndoCommand {
public:
    // Puts a template in place: in the project, the editor, the window.
    using Apply = std::function<void(const std::shared_ptr<FlashTemplate>&)>;

    TemplateChangeCommand(const QString& text, std::shared_ptr<FlashTemplate> before, std::shared_ptr<FlashTemplate> after,
                          Apply apply);

    void redo() override { iApply(iAfter); }
    void undo() override { iApply(iBefore); }

private:
    std::shared_ptr<FlashTemplate> iBefore;
    std::shared_ptr<FlashTemplate> iAfter;
    Apply iApply;
};

} // namespace pw
