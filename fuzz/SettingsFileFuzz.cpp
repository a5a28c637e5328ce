// A style's settings file (tmplSetting.txt, or --settings): "key=value" lines applied to the
// shipped "float" template. Whatever it sets must survive being written and read back, and
// must keep the book configuration document well-formed.

#include "FuzzSupport.h"
#include "base/ResourceFolder.h"
#include "book/FlashBookOutput.h"
#include "template/FlashTemplate.h"

namespace {

std::vector<std::string> settingsOf(const pw::FlashTemplate& flashTemplate)
{
    std::vector<std::string> entries;
    flashTemplate.exportPropertiesSettingsToArray(entries, nullptr);
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pw::fuzz::quietLogging();
    pw::resources::setResourceFolder(std::string(PAGEWIND_SOURCE_RESOURCES));
    const std::string input = pw::fuzz::scratchPath("settings-in.txt");
    const std::string output = pw::fuzz::scratchPath("settings-out.txt");
    if (!pw::file::writeFileReplacing(input, pw::fuzz::asText(data, size)))
        pw::fuzz::fail("cannot write the scratch file");

    const auto shared = std::make_shared<pw::FlashTemplate>();
    pw::FlashTemplate& flashTemplate = *shared;
    flashTemplate.importPropertiesSettingsFrom(input);
    // Every value goes into the book configuration document, which must stay well-formed.
    const pw::FlashBookOutput book(nullptr, shared, pw::fuzz::scratchPath("book"), "index");
    pw::fuzz::requireWellFormed(book.bookXML().xmlData(), "the book configuration document is not well-formed XML");
    if (!flashTemplate.exportPropertiesSettingsTo(output))
        pw::fuzz::fail("cannot write the settings file");
    pw::FlashTemplate reread;
    reread.importPropertiesSettingsFrom(output);
    if (settingsOf(reread) != settingsOf(flashTemplate))
        pw::fuzz::fail("settings change when written and read back");
    pw::file::removeAll(input);
    pw::file::removeAll(output);
    return 0;
}
