#include "app/BookPagesCommand.h"

#include "app/AppSettings.h"
#include "app/ImportWindowDelegate.h"
#include "base/NumberText.h"
#include "project/TemplateTree.h"
#include "template/FlashTemplate.h"

namespace pw {

BookPagesCommand::BookPagesCommand(const QString& text, State before, State after, Apply apply)
    : QUndoCommand(text), iBefore(std::move(before)), iAfter(std::move(after)), iApply(std::move(apply))
{
}

BookPagesCommand::State BookPagesCommand::importedState(const ImportWindowDelegate& sheet, const FlashTemplate& current)
{
    const AppSettings& settings = AppSettings::shareInstance();
    State state;
    BookPages& pages = state.pages;
    const bool ranged = settings.importPageRangeType() == ImportWindowDelegate::pageRange;
    pages.choice = {ranged ? settings.importPageRange().toStdString() : "ALL", settings.importQualityLevel(),
                    settings.importLinks() == 1, settings.importBookmark() == 1, sheet.importsText()};
    pages.origin = PagesOrigin::pdf;
    pages.pdfPath = settings.lastImportedFile().toStdString();
    pages.pageSource = sheet.flashPageSource();
    pages.annotations = sheet.flashPagesAnnotations();
    pages.outline = sheet.flashOutline();
    pages.text = sheet.flashPagesText();
    state.pageWidth = text::decimalText(sheet.pageWidth());
    state.pageHeight = text::decimalText(sheet.pageHeight());
    const std::shared_ptr<FlashTemplate> titled = templatetree::copyOf(current);
    if (sheet.documentTitle())
        titled->adoptDocumentTitle(*sheet.documentTitle());
    state.bookTitle = titled->propertyValueFor("bookTitle", "");
    return state;
}

} // namespace pw
