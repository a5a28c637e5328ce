#include "support/TestPdf.h"

#include <cstdio>
#include <map>

namespace pw::test {

namespace {

std::string number(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
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
    std::string finish(int root) const
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
        out += "trailer\n<< /Size " + std::to_string(last_ + 1) + " /Root " + ref(root) + " >>\nstartxref\n" +
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

} // namespace

std::string makePdf(const std::vector<TestPage>& pages, const std::vector<TestBookmark>& bookmarks)
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
        std::string body = "<< /Type /Page /Parent " + ref(pageTree) + " /MediaBox " +
                           rect({0, 0, page.width, page.height}) + " /Contents " + ref(contentObjects[i]);
        if (page.cropBox)
            body += " /CropBox " + rect(*page.cropBox);
        if (page.rotate)
            body += " /Rotate " + std::to_string(page.rotate);
        std::string annots;
        for (const TestLink& link : page.links)
            annots += linkAnnotation(link, pageObjects) + " ";
        if (page.textNote)
            annots += "<< /Type /Annot /Subtype /Text /Rect [10 10 30 30] /Contents (note) >> ";
        if (!annots.empty())
            body += " /Annots [" + annots + "]";
        writer.set(pageObjects[i], body + " >>");
        const std::string content = "0.2 0.4 0.8 rg 36 36 200 100 re f";
        writer.set(contentObjects[i], "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content +
                                          "\nendstream");
        kids += ref(pageObjects[i]) + " ";
    }
    writer.set(pageTree, "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages.size()) + " >>");
    std::string catalogBody = "<< /Type /Catalog /Pages " + ref(pageTree);
    if (!bookmarks.empty()) {
        const int outlines = writer.reserve();
        const Level top = writeBookmarks(writer, bookmarks, outlines, pageObjects);
        writer.set(outlines, "<< /Type /Outlines /First " + ref(top.first) + " /Last " + ref(top.last) + " /Count " +
                                 std::to_string(top.count) + " >>");
        catalogBody += " /Outlines " + ref(outlines);
    }
    writer.set(catalog, catalogBody + " >>");
    return writer.finish(catalog);
}

std::string makePlainPdf(int pageCount)
{
    return makePdf(std::vector<TestPage>(static_cast<std::size_t>(pageCount)));
}

} // namespace pw::test
