#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace pw {

class FlashTemplate;
class FlashTemplateProperty;

// Walks and copies a template's property tree. A property is named by its path, the child
// positions from the top level down, which stays valid when the same template is loaded again,
// where a pointer would not.
namespace templatetree {

using Path = std::vector<std::size_t>;

// The path of a property of the template; empty when the property is not in its tree.
Path pathOf(const FlashTemplate& flashTemplate, const FlashTemplateProperty& property);
// The property at the path, or null when the tree has none there.
FlashTemplateProperty* propertyAt(const FlashTemplate& flashTemplate, const Path& path);
// Calls visit for every property in depth-first pre-order, the order keys are looked up in.
void forEachProperty(const FlashTemplate& flashTemplate, const std::function<void(FlashTemplateProperty&)>& visit);
// A deep copy that shares nothing with the original: name, style, description fields and every
// value. A book writer on another thread reads the copy while the user edits the original.
std::shared_ptr<FlashTemplate> copyOf(const FlashTemplate& flashTemplate);

} // namespace templatetree

} // namespace pw
