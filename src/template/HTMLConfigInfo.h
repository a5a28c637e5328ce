#pragma once

#include <optional>
#include <string>

namespace pw {

// The five texts of a book's HTML page and the page generation from an HTML template.
// Texts are inserted as they are, without HTML escaping.
class HTMLConfigInfo {
public:
    HTMLConfigInfo() = default;

    // Reads the HTML template (UTF-8; a UTF-16 byte-order mark means UTF-16; a UTF-8 mark is
    // dropped), fills "index.title", "meta.keywords", "meta.description", "script.bottom" and
    // "script.other", and writes the page in UTF-8 without a mark, replacing it in one step.
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

private:
    std::string HTMLTitle_ = "Quirewright";
    std::string HTMLKeywords_ = "flip book,page turning,digital publication,Pagewind,Quirewright";
    std::string HTMLDescription_ = "Made with Pagewind";
    std::string HTMLScript_;
    std::string otherScript_;
};

// The HTML template text as UTF-8: UTF-16 when it starts with a UTF-16 byte-order mark,
// otherwise the bytes as they are (a leading UTF-8 mark removed). None when the file cannot be
// read or its UTF-16 is broken.
std::optional<std::string> readHTMLTemplate(const std::string& path);

} // namespace pw
