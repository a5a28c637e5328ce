#pragma once

#include "book/FlashBookOutput.h"

namespace pw {

// Writes the book as a Mac application: the prebuilt application shell of the template data
// is copied to <folder>/<name>.app/Contents/ and the book goes into Contents/Resources/ with
// the page "index.html". The bundle is made beside the old one and replaces it in one step.
class FlashBookOutputApp : public FlashBookOutput {
public:
    // The bundle name is the given name without its last extension, plus ".app" ("Trip.html"
    // gives Trip.app, "My.Trip.html" My.Trip.app); the chosen folder need not exist yet.
    FlashBookOutputApp(std::shared_ptr<FlashPageSource> pageSource, std::shared_ptr<FlashTemplate> flashTemplate,
                       const std::string& saveToFolder, const std::string& toName);

    void ouputTheBook() override;
    // The book folder joined with "index.html", whatever name was given.
    std::string outputHTMLFileName() const override;
    // The bundle folder <folder>/<name>.app.
    std::string outputFileName() const override;

private:
    void writeBundle(const std::string& bundle);
};

} // namespace pw
