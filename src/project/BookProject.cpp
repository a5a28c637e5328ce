#include "project/BookProject.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <map>

#include "base/FileUtil.h"
#include "base/NumberText.h"
#include "base/PagewindException.h"
#include "base/ResourceFolder.h"
#include "base/TextEncoding.h"
#include "base/XmlDocument.h"
#include "book/FlashPageSourceImg.h"
#include "project/TemplateTree.h"
#include "template/FlashTemplate.h"
#include "template/FlashTemplateProperty.h"

namespace pw {

namespace {

namespace fs = std::filesystem;

constexpr const char* kRoot = "pagewindProject";
constexpr std::string_view kStyleResource = "STYLE_RESOURCE:";

struct OriginName {
    PagesOrigin origin;
    const char* name;
};
constexpr OriginName kOrigins[] = {
    {PagesOrigin::demonstration, "demonstration"}, {PagesOrigin::pictures, "pictures"}, {PagesOrigin::pdf, "pdf"}};

// Texts reach the file as valid XML: damaged UTF-8 and the control characters XML cannot carry
// become U+FFFD, everything else is kept as it is.
std::string xmlText(std::string_view text)
{
    std::string clean = text::replaceInvalidUtf8(text);
    std::string out;
    out.reserve(clean.size());
    for (std::size_t i = 0; i < clean.size(); ++i) {
        const auto byte = static_cast<unsigned char>(clean[i]);
        const bool control = byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r';
        const bool nonCharacter = byte == 0xEF && i + 2 < clean.size() && static_cast<unsigned char>(clean[i + 1]) == 0xBF &&
                                  (static_cast<unsigned char>(clean[i + 2]) & 0xFE) == 0xBE;
        if (control || nonCharacter) {
            out += "\xEF\xBF\xBD";
            i += nonCharacter ? 2 : 0;
            continue;
        }
        out += clean[i];
    }
    return out;
}

std::string absolutePath(const std::string& path)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

// The path relative to the folder when it lies below it, else as it is.
std::string relativeIfBelow(const std::string& path, const std::string& folder)
{
    if (folder.empty() || path.empty() || path.front() != '/')
        return path;
    const fs::path relative = fs::path(path).lexically_normal().lexically_relative(fs::path(folder).lexically_normal());
    if (relative.empty() || *relative.begin() == ".." || relative == ".")
        return path;
    return relative.generic_string();
}

std::string resolvedPath(const std::string& stored, const std::string& folder)
{
    if (stored.empty() || stored.front() == '/' || folder.empty())
        return stored;
    return (fs::path(folder) / stored).lexically_normal().string();
}

[[noreturn]] void damaged(const std::string& path, const std::string& why)
{
    throw PagewindException("PROJECT_FORMAT", "\"" + file::lastPathComponent(path) + "\" is not a Pagewind project or it is damaged: " + why + ".");
}

int integerAttribute(const xml::Element& element, const char* name, int fallback, const std::string& path)
{
    const std::optional<std::string> text = element.attributeForName(name);
    if (!text)
        return fallback;
    int value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size())
        damaged(path, std::string("the ") + name + " \"" + *text + "\" is no number");
    return value;
}

// "yes" or "no"; a missing attribute (a file from before it existed) reads as fallback.
bool switchAttribute(const xml::Element& element, const char* name, bool fallback = false)
{
    return element.attributeForName(name).value_or(fallback ? "yes" : "no") == "yes";
}

const char* yesNo(bool value)
{
    return value ? "yes" : "no";
}

void appendPaths(xml::Element parent, const char* name, const std::vector<std::string>& paths, const std::string& folder)
{
    for (const std::string& path : paths)
        parent.addChildElement(name, xmlText(relativeIfBelow(path, folder)));
}

std::vector<std::string> readPaths(const xml::Element& parent, const char* name, const std::string& folder)
{
    std::vector<std::string> paths;
    for (const xml::Element& element : parent.elementsForName(name))
        paths.push_back(resolvedPath(element.stringValue(), folder));
    return paths;
}

// A file property's value as stored: a style's own file by its place in the style folder, so the
// project opens wherever the program's resources are installed; else a path as for pictures.
std::string storedFileValue(const FlashTemplate& flashTemplate, const std::string& value, const std::string& folder)
{
    if (flashTemplate.styleName()) {
        const std::string style = FlashTemplate::stylePathFor(flashTemplate.tmplName(), *flashTemplate.styleName());
        const std::string inStyle = relativeIfBelow(value, style);
        if (inStyle != value)
            return std::string(kStyleResource) + inStyle;
    }
    return relativeIfBelow(value, folder);
}

void appendTemplate(xml::Element root, const FlashTemplate& flashTemplate, const std::string& folder)
{
    xml::Element element = root.addChildElement("template");
    element.addAttribute("name", xmlText(flashTemplate.tmplName()));
    if (flashTemplate.styleName())
        element.addAttribute("style", xmlText(*flashTemplate.styleName()));
    templatetree::forEachProperty(flashTemplate, [&](const FlashTemplateProperty& property) {
        if (!property.value())
            return;
        const std::string& value = *property.value();
        const bool isFile = property.propertyType() == pt_file && !value.empty();
        xml::Element item = element.addChildElement("value", xmlText(isFile ? storedFileValue(flashTemplate, value, folder) : value));
        item.addAttribute("key", xmlText(property.key()));
    });
}

std::shared_ptr<FlashTemplate> loadTemplate(const xml::Element& element, const std::string& path,
                                            BookProject::OpenReport& report)
{
    const std::string name = element.attributeForName("name").value_or("");
    if (name.empty() || name.find('/') != std::string::npos || !file::isRegularFile(FlashTemplate::tmplMetaPathForName(name)))
        throw PagewindException("PROJECT_TEMPLATE", "The template \"" + name + "\" of \"" + file::lastPathComponent(path) +
                                                        "\" is not installed.");
    auto flashTemplate = std::make_shared<FlashTemplate>();
    const std::optional<std::string> style = element.attributeForName("style");
    // A style is a folder of the template's styles, never a path to somewhere else.
    const bool isName = style && !style->empty() && style->find('/') == std::string::npos && *style != "." && *style != "..";
    if (style && !isName)
        report.missingStyle = *style;
    if (isName) {
        const std::string stylePath = FlashTemplate::stylePathFor(name, *style);
        if (!file::isDirectory(stylePath))
            report.missingStyle = *style;
        flashTemplate->changeTmplTo(name, stylePath);
    } else if (name != flashTemplate->tmplName()) {
        flashTemplate->loadTemplate(name);
    }
    if (flashTemplate->properties().empty())
        throw PagewindException("PROJECT_TEMPLATE", "The template \"" + name + "\" could not be loaded.");
    return flashTemplate;
}

// The n-th value stored for a key goes to the n-th property with that key in pre-order, so
// templates whose keys repeat get every value back.
void assignValues(FlashTemplate& flashTemplate, const xml::Element& element, const std::string& folder,
                  BookProject::OpenReport& report)
{
    std::map<std::string, std::vector<FlashTemplateProperty*>> byKey;
    templatetree::forEachProperty(flashTemplate, [&](FlashTemplateProperty& property) { byKey[property.key()].push_back(&property); });
    std::map<std::string, std::size_t> used;
    for (const xml::Element& item : element.elementsForName("value")) {
        const std::string key = item.attributeForName("key").value_or("");
        const std::size_t occurrence = used[key]++;
        const auto found = byKey.find(key);
        if (found == byKey.end() || occurrence >= found->second.size()) {
            if (std::find(report.unknownKeys.begin(), report.unknownKeys.end(), key) == report.unknownKeys.end())
                report.unknownKeys.push_back(key);
            continue;
        }
        FlashTemplateProperty& property = *found->second[occurrence];
        std::string value = item.stringValue();
        if (property.propertyType() != pt_file || value.empty()) {
            property.setValue(std::move(value));
            continue;
        }
        const bool inStyle = value.rfind(kStyleResource, 0) == 0;
        const std::optional<std::string> resolved = inStyle ? flashTemplate.valueAsFilePath(value) : resolvedPath(value, folder);
        if (resolved)
            property.setValue(*resolved);
        if (!resolved || !file::isRegularFile(*resolved))
            report.missingFiles.push_back(resolved.value_or(value));
    }
}

BookPages readPages(const xml::Element& element, const std::string& folder, const std::string& path,
                    BookProject::OpenReport& report)
{
    BookPages pages;
    if (!element)
        return pages;
    const std::string originName = element.attributeForName("origin").value_or("demonstration");
    const auto* origin = std::find_if(std::begin(kOrigins), std::end(kOrigins),
                                      [&](const OriginName& known) { return originName == known.name; });
    if (origin == std::end(kOrigins))
        damaged(path, "the pages come from \"" + originName + "\"");
    pages.origin = origin->origin;
    pages.choice.range = element.attributeForName("range").value_or("ALL");
    if (pages.choice.range.empty())
        pages.choice.range = "ALL";
    pages.choice.qualityLevel = integerAttribute(element, "quality", 0, path);
    if (pages.choice.qualityLevel < 0 || pages.choice.qualityLevel > 4)
        damaged(path, "the quality " + std::to_string(pages.choice.qualityLevel) + " is not 0 to 4");
    pages.choice.links = switchAttribute(element, "links");
    pages.choice.bookmarks = switchAttribute(element, "bookmarks");
    pages.choice.text = switchAttribute(element, "text", true);
    if (pages.origin == PagesOrigin::pictures) {
        pages.builtPictures = readPaths(element, "picture", folder);
        for (const std::string& picture : pages.builtPictures) {
            if (!file::isRegularFile(picture))
                report.missingPages.push_back(picture);
        }
    } else if (pages.origin == PagesOrigin::pdf) {
        pages.pdfPath = resolvedPath(element.firstElementForName("pdf").stringValue(), folder);
        if (pages.pdfPath.empty())
            damaged(path, "its PDF has no path");
        if (!file::isRegularFile(pages.pdfPath))
            report.missingPages.push_back(pages.pdfPath);
    } else {
        pages.pageSource = BookProject::demonstrationPages();
    }
    return pages;
}

PublishChoice readPublishChoice(const xml::Element& element, const std::string& folder)
{
    PublishChoice choice;
    if (!element)
        return choice;
    choice.folder = resolvedPath(element.attributeForName("folder").value_or(""), folder);
    choice.name = element.attributeForName("name").value_or("");
    choice.title = element.attributeForName("title").value_or("");
    choice.outputType = element.attributeForName("type").value_or("folder") == "application" ? 1 : 0;
    return choice;
}

} // namespace

bool BookProject::OpenReport::empty() const
{
    return missingPictures.empty() && missingPages.empty() && missingFiles.empty() && unknownKeys.empty() && !missingStyle;
}

BookProject::BookProject() : iFlashTemplate(std::make_shared<FlashTemplate>())
{
    iBookPages.pageSource = demonstrationPages();
}

BookProject::~BookProject() = default;

std::shared_ptr<FlashPageSource> BookProject::demonstrationPages()
{
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(resources::resourceFolder() + "/DemoImgs", error)) {
        if (entry.is_regular_file(error) && entry.path().extension() == ".jpg")
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    auto pages = std::make_shared<FlashPageSourceImg>();
    for (const std::string& path : files)
        pages->addImgPageFromFile(path);
    pages->generateNormalPages();
    return pages;
}

void BookProject::setBookPages(BookPages pages)
{
    iBookPages = std::move(pages);
}

void BookProject::setFlashTemplate(std::shared_ptr<FlashTemplate> flashTemplate)
{
    iFlashTemplate = std::move(flashTemplate);
}

std::string BookProject::displayName() const
{
    if (iFilePath.empty())
        return "Untitled";
    return file::deletingPathExtension(file::lastPathComponent(iFilePath));
}

std::string BookProject::projectText(const std::string& folder) const
{
    xml::OwnedElement root(kRoot);
    root->addAttribute("version", text::decimalText(kFormatVersion));
    appendPaths(root->addChildElement("pictures"), "picture", iPictures, folder);

    xml::Element pages = root->addChildElement("pages");
    const auto* origin = std::find_if(std::begin(kOrigins), std::end(kOrigins),
                                      [this](const OriginName& known) { return known.origin == iBookPages.origin; });
    pages.addAttribute("origin", origin->name);
    if (iBookPages.origin != PagesOrigin::demonstration) {
        pages.addAttribute("range", xmlText(iBookPages.choice.range));
        pages.addAttribute("quality", text::decimalText(iBookPages.choice.qualityLevel));
        pages.addAttribute("links", yesNo(iBookPages.choice.links));
        pages.addAttribute("bookmarks", yesNo(iBookPages.choice.bookmarks));
        pages.addAttribute("text", yesNo(iBookPages.choice.text));
    }
    if (iBookPages.origin == PagesOrigin::pictures)
        appendPaths(pages, "picture", iBookPages.builtPictures, folder);
    if (iBookPages.origin == PagesOrigin::pdf)
        pages.addChildElement("pdf", xmlText(relativeIfBelow(iBookPages.pdfPath, folder)));

    if (iFlashTemplate)
        appendTemplate(root.get(), *iFlashTemplate, folder);

    xml::Element publish = root->addChildElement("publish");
    publish.addAttribute("folder", xmlText(relativeIfBelow(iPublishChoice.folder, folder)));
    publish.addAttribute("name", xmlText(iPublishChoice.name));
    publish.addAttribute("title", xmlText(iPublishChoice.title));
    publish.addAttribute("type", iPublishChoice.outputType == 1 ? "application" : "folder");
    return xml::Document::withRootElement(std::move(root)).xmlData();
}

void BookProject::saveAs(const std::string& path)
{
    const std::string absolute = absolutePath(path);
    if (!file::writeFileAtomically(absolute, projectText(file::deletingLastPathComponent(absolute))))
        throw PagewindException("PROJECT_WRITE", "\"" + absolute + "\" could not be written. Choose a folder you can write to.");
    iFilePath = absolute;
}

std::unique_ptr<BookProject> BookProject::open(const std::string& path, OpenReport* report)
{
    OpenReport ignored;
    OpenReport& found = report ? *report : ignored;
    found = OpenReport();
    const std::string absolute = absolutePath(path);
    const std::optional<std::string> content = file::readFile(absolute);
    if (!content)
        throw PagewindException("PROJECT_READ", "\"" + absolute + "\" cannot be read.");
    std::string error;
    const std::optional<xml::Document> document = xml::Document::parseStrictly(*content, &error);
    if (!document)
        damaged(absolute, error);
    const xml::Element root = document->rootElement();
    if (root.name() != kRoot)
        damaged(absolute, "it holds a <" + root.name() + "> document");
    const int version = integerAttribute(root, "version", 0, absolute);
    if (version > kFormatVersion)
        throw PagewindException("PROJECT_VERSION",
                                "\"" + file::lastPathComponent(absolute) + "\" was saved by a newer Pagewind (project format " +
                                    std::to_string(version) + "); this one opens format " +
                                    std::to_string(kFormatVersion) + ". Update Pagewind to open it.");
    if (version < 1)
        damaged(absolute, "it has no format version");
    const xml::Element templateElement = root.firstElementForName("template");
    if (!templateElement)
        damaged(absolute, "it names no template");

    const std::string folder = file::deletingLastPathComponent(absolute);
    auto project = std::make_unique<BookProject>();
    project->iFilePath = absolute;
    project->iFlashTemplate = loadTemplate(templateElement, absolute, found);
    assignValues(*project->iFlashTemplate, templateElement, folder, found);
    project->iPictures = readPaths(root.firstElementForName("pictures"), "picture", folder);
    for (const std::string& picture : project->iPictures) {
        if (!file::isRegularFile(picture))
            found.missingPictures.push_back(picture);
    }
    project->iBookPages = readPages(root.firstElementForName("pages"), folder, absolute, found);
    project->iPublishChoice = readPublishChoice(root.firstElementForName("publish"), folder);
    return project;
}

} // namespace pw
