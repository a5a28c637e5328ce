#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/XmlDocument.h"

namespace pw {

// The page annotations of a book: the "pagesAnnos" element that the book configuration
// carries, and the files the annotations refer to. The PDF link loader fills it.
class FlashPagesAnnotations {
public:
    FlashPagesAnnotations() = default;
    FlashPagesAnnotations(const FlashPagesAnnotations&) = delete;
    FlashPagesAnnotations& operator=(const FlashPagesAnnotations&) = delete;
    virtual ~FlashPagesAnnotations() = default;

    // Full paths of files the annotations need; copied into the book beside them.
    std::vector<std::string>& needFiles() { return iNeedFiles; }
    const std::vector<std::string>& needFiles() const { return iNeedFiles; }

    // The annotations element, or a null element when there is none.
    xml::Element pagesAnnotationsNode() const;
    // Replaces the element; std::nullopt removes it.
    void setPagesAnnotationsNode(std::optional<xml::OwnedElement> node);

private:
    std::vector<std::string> iNeedFiles;
    std::optional<xml::OwnedElement> iPagesAnnotationsNode;
};

} // namespace pw
