// The HTML page template: the text before the first NUL byte is the template, every later
// NUL-separated piece is "key=value" (or a bare key, which removes the key).

#include "FuzzSupport.h"
#include "template/TextTemplate.h"

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
    const std::string once = page.parse();
    // Each placeholder is at least "${" long, so no text can grow beyond this.
    if (once.size() > templateEnd + (templateEnd / 2 + 1) * valueBytes)
        pw::fuzz::fail("substitution grew beyond its values");
    if (page.parse() != once)
        pw::fuzz::fail("parse changed the template");
    return 0;
}
