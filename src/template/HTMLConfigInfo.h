#pragma once

#include <optional>
#include <string>

namespace pw {

// The texts of a book's HTML page and the page generation from an HTML template. Texts are
// escaped for HTML; the two scripts are inserted as they are.
class HTMLConfigInfo {
public:
    HTMLConfigInfo() = default;

    // Reads the HTML template (UTF-8; a UTF-16 byte-order mark means UTF-16; a UTF-8 mark is
    // dropped), fills "index.title", "meta.keywords", "meta.description", "script.bottom",
    // "script.other", "head.meta" (the Open Graph tags and the link to the reading version) and
    // "noscript.text" (what readers without scripts see), and writes the page in UTF-8 without a
    // mark, replacing it in one step.
    // A template that cannot be read writes no page and logs an error. Returns whether the
    // page was written; callers may ignore it.
    bool generateHTMLFrom(const std::string& templatePath, const std::string& pagePath) const;

    const std::string& HTMLTitle() const { return HTMLTitle_; }
    void setHTMLTitle(std::string text) { HTMLTitle_ = std::move(text); }
    const std::string& HTMLKeywords() const { return HTMLKeywords_; }
    void setHTMLKeywords(std::string text) { HTMLKeywords_ = std::move(text); }
    const std::string& HTMLDescription() const { return HTMLDescription_; }
    void setHTMLDescription(std::string text) { HTMLDescription_ = std::move(text); }
    const std::string& HTMLScript() const { return HTMLScript_; }
    void setHTMLScript(std::string text) { HTMLScript_ = std::move(text); }
    const std::string& otherScript() const { return otherScript_; }
    void setOtherScript(std::string text) { otherScript_ = std::move(text); }

    // The picture a shared link shows in its card (og:image); empty for none.
    const std::string& HTMLPreviewImage() const { return HTMLPreviewImage_; }
    void setHTMLPreviewImage(std::string url) { HTMLPreviewImage_ = std::move(url); }
    // The page's own web address (og:url); empty when it is not known.
    const std::string& HTMLPageAddress() const { return HTMLPageAddress_; }
    void setHTMLPageAddress(std::string url) { HTMLPageAddress_ = std::move(url); }
    // The plain reading version that the page names as its alternate and links to from
    // <noscript>; empty for none.
    const std::string& HTMLTextVersion() const { return HTMLTextVersion_; }
    void setHTMLTextVersion(std::string url) { HTMLTextVersion_ = std::move(url); }
    // What readers without scripts read, and the words of the link to the reading version.
    const std::string& HTMLNoScriptText() const { return HTMLNoScriptText_; }
    void setHTMLNoScriptText(std::string text) { HTMLNoScriptText_ = std::move(text); }
    const std::string& HTMLTextVersionLink() const { return HTMLTextVersionLink_; }
    void setHTMLTextVersionLink(std::string text) { HTMLTextVersionLink_ = std::move(text); }

    // The markup of "head.meta" and "noscript.text" for these texts.
    std::string headMeta() const;
    std::string noScriptText() const;

private:
    std::string HTMLTitle_ = "Quirewright";
    std::string HTMLKeywords_ = "flip book,page turning,digital publication,Pagewind,Quirewright";
    std::string HTMLDescription_ = "Made with Pagewind";
    std::string HTMLScript_;
    std::string otherScript_;
    std::string HTMLPreviewImage_;
    std::string HTMLPageAddress_;
    std::string HTMLTextVersion_;
    std::string HTMLNoScriptText_ = "This book needs JavaScript.";
    std::string HTMLTextVersionLink_ = "Read it as a plain page";
};

// The HTML template text as UTF-8: UTF-16 when it starts with a UTF-16 byte-order mark,
// otherwise the bytes as they are (a leading UTF-8 mark removed). None when the file cannot be
// read or its UTF-16 is broken.
std::optional<std::string> readHTMLTemplate(const std::string& path);

} // namespace pw
