// The HTML page template: the text before the first NUL byte is the template, every later
// NUL-separated piece is "key=value" (or a bare key, which removes the key).

#include "FuzzSupport.h"
#include "base/TextEncoding.h"
#include "template/HTMLConfigInfo.h"
#include "template/TextTemplate.h"

namespace {

// The template file as the book writer reads it: UTF-8, or UTF-16 after a byte-order mark.
// A decoded text must come back the same through the UTF-16 writer and reader.
void readAsTemplateFile(std::string_view bytes)
{
    const std::string path = pw::fuzz::scratchPath("page.html");
    if (!pw::file::writeFileReplacing(path, bytes))
        pw::fuzz::fail("cannot write the scratch file");
    const std::optional<std::string> text = pw::readHTMLTemplate(path);
    pw::file::removeAll(path);
    if (!text)
        return;
    const std::optional<std::u16string> utf16 = pw::text::utf8ToUtf16(*text);
    if (!utf16)
        return;
    const std::optional<std::u16string> back = pw::text::decodeUtf16WithBom(pw::text::encodeUtf16WithBom(*utf16));
    if (!back || pw::text::utf16ToUtf8(*back) != text)
        pw::fuzz::fail("UTF-16 text does not round-trip");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = pw::fuzz::asText(data, size);
    const std::size_t templateEnd = std::min(input.find('\0'), input.size());
    pw::TextTemplate page{std::string(input.substr(0, templateEnd))};
    std::size_t valueBytes = 0;
    for (std::size_t start = templateEnd + 1; start < input.size();) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        const std::string_view item = input.substr(start, end - start);
        start = end + 1;
        const std::size_t equals = item.find('=');
        if (equals == std::string_view::npos) {
            page.setItem(std::string(item), std::nullopt);
            continue;
        }
        page.setItem(std::string(item.substr(0, equals)), std::string(item.substr(equals + 1)));
        valueBytes += item.size() - equals - 1;
    }
    readAsTemplateFile(input.substr(0, templateEnd));
    const std::string once = page.parse();
    // Each placeholder is at least "${" long, so no text can grow beyond this.
    if (once.size() > templateEnd + (templateEnd / 2 + 1) * valueBytes)
        pw::fuzz::fail("substitution grew beyond its values");
    if (page.parse() != once)
        pw::fuzz::fail("parse changed the template");
    return 0;
}
