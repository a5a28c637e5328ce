#include "book/FlashPagesAnnotations.h"

namespace pw {

xml::Element FlashPagesAnnotations::pagesAnnotationsNode() const
{
    return iPagesAnnotationsNode ? iPagesAnnotationsNode->get() : xml::Element();
}

void FlashPagesAnnotations::setPagesAnnotationsNode(std::optional<xml::OwnedElement> node)
{
    iPagesAnnotationsNode = std::move(node);
}

} // namespace pw
