#include "template/HTMLConfigInfo.h"

#include "base/FileUtil.h"
#include "base/Log.h"
#include "base/TextEncoding.h"
#include "template/TextTemplate.h"

namespace pw {

std::optional<std::string> readHTMLTemplate(const std::string& path)
{
    std::optional<std::string> bytes = file::readFile(path);
    if (!bytes)
        return std::nullopt;
    if (text::hasUtf16Bom(*bytes)) {
        const std::optional<std::u16string> utf16 = text::decodeUtf16WithBom(*bytes);
        return utf16 ? text::utf16ToUtf8(*utf16) : std::nullopt;
    }
    if (bytes->rfind("\xEF\xBB\xBF", 0) == 0)
        bytes->erase(0, 3);
    return bytes;
}

namespace {

void appendMeta(std::string& out, const char* attribute, const char* name, const std::string& content)
{
    if (!content.empty())
        out += std::string("<meta ") + attribute + "=\"" + name + "\" content=\"" + text::htmlEscaped(content) + "\">\n";
}

} // namespace

std::string HTMLConfigInfo::headMeta() const
{
    std::string out;
    appendMeta(out, "property", "og:type", "book");
    appendMeta(out, "property", "og:title", HTMLTitle_);
    appendMeta(out, "property", "og:description", HTMLDescription_);
    appendMeta(out, "property", "og:image", HTMLPreviewImage_);
    appendMeta(out, "property", "og:url", HTMLPageAddress_);
    if (!HTMLPreviewImage_.empty())
        appendMeta(out, "name", "twitter:card", "summary_large_image");
    if (!HTMLTextVersion_.empty()) {
        out += "<link rel=\"alternate\" type=\"text/html\" href=\"" + text::htmlEscaped(HTMLTextVersion_) + "\" title=\"" +
               text::htmlEscaped(HTMLTextVersionLink_) + "\">\n";
    }
    return out;
}

std::string HTMLConfigInfo::noScriptText() const
{
    std::string out = text::htmlEscaped(HTMLNoScriptText_);
    if (!HTMLTextVersion_.empty())
        out += " <a href=\"" + text::htmlEscaped(HTMLTextVersion_) + "\">" + text::htmlEscaped(HTMLTextVersionLink_) + "</a>";
    return out;
}

bool HTMLConfigInfo::generateHTMLFrom(const std::string& templatePath, const std::string& pagePath) const
{
    const std::optional<std::string> source = readHTMLTemplate(templatePath);
    if (!source) {
        PW_LOG_ERROR("Cannot read the HTML template %s; no page written to %s", templatePath.c_str(),
                     pagePath.c_str());
        return false;
    }
    TextTemplate page(*source);
    // Texts, not markup: a title such as "Q&A <draft>" from a PDF must neither break the page
    // nor put elements into it. The two scripts are markup by intent.
    page.setItem("index.title", text::htmlEscaped(HTMLTitle_));
    page.setItem("meta.keywords", text::htmlEscaped(HTMLKeywords_));
    page.setItem("meta.description", text::htmlEscaped(HTMLDescription_));
    page.setItem("script.bottom", HTMLScript_);
    page.setItem("script.other", otherScript_);
    page.setItem("head.meta", headMeta());
    page.setItem("noscript.text", noScriptText());
    if (!file::writeFileAtomically(pagePath, page.parse())) {
        PW_LOG_WARN("Cannot write the page %s", pagePath.c_str());
        return false;
    }
    return true;
}

} // namespace pw
