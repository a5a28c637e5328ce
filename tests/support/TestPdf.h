#pragma once

#include <optional>
#include <string>
#include <vector>

// PDF files written byte by byte for the tests, with exactly the structures a test names.
namespace pw::test {

struct TestRect {
    float x = 0, y = 0, width = 0, height = 0;
};

struct TestLink {
    TestRect rect;
    std::string uri;         // a web link when not empty
    int targetPage = -1;     // else a link to this page (from 0), through a GoTo action
    bool asDest = false;     // the target through /Dest instead of an action
    int missingTarget = 0;   // a destination that points at an object that is no page
};

struct TestPage {
    float width = 612;
    float height = 792;
    int rotate = 0;
    std::optional<TestRect> cropBox{};
    std::vector<TestLink> links{};
    bool textNote = false;
    // The content stream; none draws a blue box. inheritBox leaves /MediaBox and /Rotate to
    // the /Pages node, which then carries those of the first page.
    std::optional<std::string> content{};
    bool inheritBox = false;
    // A picture over the whole page, drawn before the content (which then draws nothing unless
    // given): uncompressed RGB rows of pictureWidth pixels.
    std::string picture{};
    int pictureWidth = 0;
    // Fonts for text in the content: /F1 Helvetica in WinAnsiEncoding, /F2 Helvetica in its
    // own StandardEncoding (where \256 is the fi ligature).
    bool fonts = false;
};

// Document-level parts: the Info dictionary's /Title and an XMP packet, each written as given.
struct TestMetadata {
    std::optional<std::string> infoTitle;
    std::optional<std::string> xmp;
};

struct TestBookmark {
    std::string title;
    int page = -1;  // from 0; -1 for a bookmark without a destination
    std::vector<TestBookmark> children;
};

std::string makePdf(const std::vector<TestPage>& pages, const std::vector<TestBookmark>& bookmarks = {},
                    const TestMetadata& metadata = {});
// n plain US Letter pages.
std::string makePlainPdf(int pageCount);

} // namespace pw::test
