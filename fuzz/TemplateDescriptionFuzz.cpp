// A template description (flashTemplate.xml) in a resource folder of its own, loaded by name
// the way publishing and the template list load it.

#include "FuzzSupport.h"
#include "base/ResourceFolder.h"
#include "template/FlashTemplate.h"

namespace {

std::size_t countBelow(const pw::FlashTemplateProperty& property)
{
    std::size_t count = 1;
    for (const auto& child : property.childProperties()) {
        if (child->parent() != &property)
            pw::fuzz::fail("a child property does not point to its parent");
        count += countBelow(*child);
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pw::fuzz::quietLogging();
    const std::string folder = pw::fuzz::scratchPath("resources");
    const std::string templateFolder = pw::file::joinPath(folder, "AppFiles/Templates/fuzzed");
    if (!pw::file::createDirectories(templateFolder) ||
        !pw::file::writeFileReplacing(pw::file::joinPath(templateFolder, "flashTemplate.xml"),
                                      pw::fuzz::asText(data, size)))
        pw::fuzz::fail("cannot write the scratch resource folder");
    pw::resources::setResourceFolder(folder);

    pw::FlashTemplate flashTemplate;
    flashTemplate.loadTemplate("fuzzed");
    std::size_t count = 0;
    for (const auto& property : flashTemplate.properties()) {
        if (property->parent() != nullptr)
            pw::fuzz::fail("a top-level property has a parent");
        count += countBelow(*property);
    }
    std::vector<std::string> entries;
    flashTemplate.exportPropertiesSettingsToArray(entries, nullptr);
    if (entries.size() != count)
        pw::fuzz::fail("settings do not list every property once");
    (void)flashTemplate.tmplHTMLFilePath();
    flashTemplate.setPropertyValue("bookTitle", "fuzzed");
    return 0;
}
