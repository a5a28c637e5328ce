#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "book/FlashBookOutput.h"

namespace pw {

// Writes the book as a Mac application: the prebuilt application shell of the template data
// is copied to <folder>/<name>.app/Contents/ and the book goes into Contents/Resources/ with
// the page "index.html". The application carries the book's name (CFBundleName the bundle's
// name, CFBundleDisplayName the page title or else that name, CFBundleIdentifier made of the
// name) and, when an icon maker is set, an icon made of the first page (Resources/AppIcon.icns).
// The bundle is made beside the old one and replaces it in one step.
class FlashBookOutputApp : public FlashBookOutput {
public:
    // The PNG pictures of a picture file at these square sizes; none when it cannot be read.
    using IconMaker = std::function<std::map<int, std::string>(const std::string& picture, const std::vector<int>& sizes)>;

    // The bundle name is the given name without its last extension, plus ".app" ("Trip.html"
    // gives Trip.app, "My.Trip.html" My.Trip.app); the chosen folder need not exist yet.
    FlashBookOutputApp(std::shared_ptr<FlashPageSource> pageSource, std::shared_ptr<FlashTemplate> flashTemplate,
                       const std::string& saveToFolder, const std::string& toName);

    void ouputTheBook() override;
    // The book folder joined with "index.html", whatever name was given.
    std::string outputHTMLFileName() const override;
    // The bundle folder <folder>/<name>.app.
    std::string outputFileName() const override;

    void setIconMaker(IconMaker maker) { iIconMaker = std::move(maker); }
    // "org.pagewind.book." and the name in lower case with every run of characters other than
    // ASCII letters and digits made one "-" ("Our Trip!" gives org.pagewind.book.our-trip); a
    // name with no such letters gets "book-" and a number made of its bytes.
    static std::string bundleIdentifierFor(const std::string& name);

private:
    void writeBundle(const std::string& bundle);
    bool writeIcon(const std::string& resources) const;
    void writeInfo(const std::string& contents, bool withIcon);

    IconMaker iIconMaker;
};

} // namespace pw
