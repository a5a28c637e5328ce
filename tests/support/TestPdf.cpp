#include "support/TestPdf.h"

#include <charconv>
#include <cstdio>
#include <map>

namespace pw::test {

namespace {

// PDF numbers have a decimal point in every locale and no exponent; some tests run in a
// German locale.
std::string number(float value)
{
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr);
}

std::string rect(const TestRect& r)
{
    return "[" + number(r.x) + " " + number(r.y) + " " + number(r.x + r.width) + " " + number(r.y + r.height) + "]";
}

std::string ref(int object)
{
    return std::to_string(object) + " 0 R";
}

class Writer {
public:
    int reserve() { return ++last_; }
    void set(int object, std::string body) { bodies_[object] = std::move(body); }
    std::string finish(int root, int info) const
    {
        std::string out = "%PDF-1.7\n";
        std::map<int, std::size_t> offsets;
        for (const auto& [object, body] : bodies_) {
            offsets[object] = out.size();
            out += std::to_string(object) + " 0 obj\n" + body + "\nendobj\n";
        }
        const std::size_t xref = out.size();
        out += "xref\n0 " + std::to_string(last_ + 1) + "\n0000000000 65535 f \n";
        for (int object = 1; object <= last_; ++object) {
            char line[32];
            std::snprintf(line, sizeof line, "%010zu 00000 n \n", offsets.count(object) ? offsets.at(object) : 0);
            out += line;
        }
        out += "trailer\n<< /Size " + std::to_string(last_ + 1) + " /Root " + ref(root) +
               (info ? " /Info " + ref(info) : std::string()) + " >>\nstartxref\n" +
               std::to_string(xref) + "\n%%EOF\n";
        return out;
    }

private:
    int last_ = 0;
    std::map<int, std::string> bodies_;
};

std::string linkAnnotation(const TestLink& link, const std::vector<int>& pageObjects)
{
    std::string dict = "<< /Type /Annot /Subtype /Link /Rect " + rect(link.rect) + " /Border [0 0 0]";
    if (!link.uri.empty())
        return dict + " /A << /S /URI /URI (" + link.uri + ") >> >>";
    const std::string target = link.missingTarget ? ref(link.missingTarget)
                               : link.targetPage >= 0 && link.targetPage < int(pageObjects.size())
                                   ? ref(pageObjects[std::size_t(link.targetPage)])
                                   : "null";
    const std::string destination = "[" + target + " /Fit]";
    if (link.asDest)
        return dict + " /Dest " + destination + " >>";
    return dict + " /A << /S /GoTo /D " + destination + " >> >>";
}

// Writes the items of one level; returns {first, last, count of all descendants}.
struct Level {
    int first = 0, last = 0, count = 0;
};

Level writeBookmarks(Writer& writer, const std::vector<TestBookmark>& items, int parent,
                     const std::vector<int>& pageObjects)
{
    std::vector<int> objects;
    for (std::size_t i = 0; i < items.size(); ++i)
        objects.push_back(writer.reserve());
    Level level;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TestBookmark& item = items[i];
        const Level children = writeBookmarks(writer, item.children, objects[i], pageObjects);
        std::string body = "<< /Title (" + item.title + ") /Parent " + ref(parent);
        if (i > 0)
            body += " /Prev " + ref(objects[i - 1]);
        if (i + 1 < items.size())
            body += " /Next " + ref(objects[i + 1]);
        if (item.page >= 0 && item.page < int(pageObjects.size()))
            body += " /Dest [" + ref(pageObjects[std::size_t(item.page)]) + " /Fit]";
        if (!item.children.empty())
            body += " /First " + ref(children.first) + " /Last " + ref(children.last) + " /Count " +
                    std::to_string(children.count);
        writer.set(objects[i], body + " >>");
        level.count += 1 + children.count;
    }
    if (!objects.empty()) {
        level.first = objects.front();
        level.last = objects.back();
    }
    return level;
}

std::string stream(const std::string& content)
{
    return "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "\nendstream";
}

} // namespace

std::string makePdf(const std::vector<TestPage>& pages, const std::vector<TestBookmark>& bookmarks,
                    const TestMetadata& metadata)
{
    Writer writer;
    const int catalog = writer.reserve();
    const int pageTree = writer.reserve();
    std::vector<int> pageObjects;
    std::vector<int> contentObjects;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        pageObjects.push_back(writer.reserve());
        contentObjects.push_back(writer.reserve());
    }
    std::string kids;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const TestPage& page = pages[i];
        std::string body = "<< /Type /Page /Parent " + ref(pageTree) + " /Contents " + ref(contentObjects[i]);
        if (!page.inheritBox)
            body += " /MediaBox " + rect({0, 0, page.width, page.height});
        if (page.cropBox)
            body += " /CropBox " + rect(*page.cropBox);
        if (page.rotate && !page.inheritBox)
            body += " /Rotate " + std::to_string(page.rotate);
        std::string annots;
        for (const TestLink& link : page.links)
            annots += linkAnnotation(link, pageObjects) + " ";
        if (page.textNote)
            annots += "<< /Type /Annot /Subtype /Text /Rect [10 10 30 30] /Contents (note) >> ";
        if (!annots.empty())
            body += " /Annots [" + annots + "]";
        std::string content = page.content.value_or(page.picture.empty() ? "0.2 0.4 0.8 rg 36 36 200 100 re f" : "");
        std::string resources;
        if (page.fonts)
            resources += " /Font << /F1 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>"
                         " /F2 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> >>";
        if (!page.picture.empty()) {
            const int image = writer.reserve();
            const std::size_t height = page.picture.size() / (3 * std::size_t(page.pictureWidth));
            writer.set(image, "<< /Type /XObject /Subtype /Image /Width " + std::to_string(page.pictureWidth) +
                                  " /Height " + std::to_string(height) +
                                  " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Length " +
                                  std::to_string(page.picture.size()) + " >>\nstream\n" + page.picture + "\nendstream");
            resources += " /XObject << /I0 " + ref(image) + " >>";
            content = "q " + number(page.width) + " 0 0 " + number(page.height) + " 0 0 cm /I0 Do Q " + content;
        }
        if (!resources.empty())
            body += " /Resources <<" + resources + " >>";
        writer.set(pageObjects[i], body + " >>");
        writer.set(contentObjects[i], stream(content));
        kids += ref(pageObjects[i]) + " ";
    }
    std::string inherited;
    if (!pages.empty() && pages.front().inheritBox)
        inherited = " /MediaBox " + rect({0, 0, pages.front().width, pages.front().height}) + " /Rotate " +
                    std::to_string(pages.front().rotate);
    writer.set(pageTree, "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages.size()) + inherited +
                             " >>");
    std::string catalogBody = "<< /Type /Catalog /Pages " + ref(pageTree);
    if (metadata.xmp) {
        const int packet = writer.reserve();
        writer.set(packet, stream(*metadata.xmp));
        catalogBody += " /Metadata " + ref(packet);
    }
    if (!bookmarks.empty()) {
        const int outlines = writer.reserve();
        const Level top = writeBookmarks(writer, bookmarks, outlines, pageObjects);
        writer.set(outlines, "<< /Type /Outlines /First " + ref(top.first) + " /Last " + ref(top.last) + " /Count " +
                                 std::to_string(top.count) + " >>");
        catalogBody += " /Outlines " + ref(outlines);
    }
    writer.set(catalog, catalogBody + " >>");
    int info = 0;
    if (metadata.infoTitle) {
        info = writer.reserve();
        writer.set(info, "<< /Title (" + *metadata.infoTitle + ") >>");
    }
    return writer.finish(catalog, info);
}

std::string makePlainPdf(int pageCount)
{
    return makePdf(std::vector<TestPage>(static_cast<std::size_t>(pageCount)));
}

} // namespace pw::test
