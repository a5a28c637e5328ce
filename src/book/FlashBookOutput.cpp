#include "book/FlashBookOutput.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>

#include "base/FileUtil.h"
#include "base/Log.h"
#include "base/NumberText.h"
#include "base/TextEncoding.h"
#include "book/BookEmbedCode.h"
#include "book/FlashBookFile.h"
#include "book/FlashOutline.h"
#include "book/FlashPageSource.h"
#include "book/FlashPagesAnnotations.h"
#include "book/FlashPagesText.h"
#include "book/ReadingVersion.h"
#include "book/SearchTextWriter.h"
#include "template/FlashTemplate.h"
#include "template/FlashTemplateProperty.h"
#include "template/HTMLConfigInfo.h"
#include "template/StringUtil.h"

namespace pw {

namespace {

constexpr const char* kAppShortName = "pw";
constexpr const char* kAppName = "Leafreel for Mac";
constexpr const char* kAppVersion = "1.0.0";
constexpr const char* kAppWebsite = "https://github.com/pagewind/pagewind";

std::string textOf(const std::string& text)
{
    return text;
}

std::string textOf(const std::optional<std::string>& text)
{
    return text.value_or(std::string());
}

bool isFileProperty(const FlashTemplateProperty& property)
{
    return property.propertyType() == FlashTemplatePropertyType::pt_file;
}

std::string upperCased(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// A key becomes a file name in the book folder; one that could leave files/extfiles/ is refused.
bool isSafeFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

// Makes way for copying source to target. A file there is left for copyFile to replace in one
// step, so a run that is killed leaves the old file or the new one, never none; a folder in the
// way, or a target whose source is gone, is removed.
void clearWayFor(const std::string& target, const std::string& source)
{
    if (file::isDirectory(target) || !file::isRegularFile(source))
        file::removeAll(target);
}

// The extension a copy inside the book gets. The book configuration document names the copy,
// so the name on disk is made of the same XML-safe text as the name in the document.
std::string bookExtension(const std::string& path)
{
    return text::xmlSafeText(file::pathExtension(path));
}

std::string extFileName(const std::string& key, const std::string& value)
{
    return key + "." + bookExtension(value);
}

// A book URL ("./files/page/1.jpg") as a path relative to the book folder.
std::string relativeToBook(const std::string& url)
{
    return url.rfind("./", 0) == 0 ? url.substr(2) : url;
}

// A file name made of a title: letters, digits and "-_.," kept, everything else between them
// one "-", at most about 80 bytes (whole characters). Empty when nothing is left.
std::string fileNameOfTitle(const std::string& title)
{
    std::string name;
    bool gap = false;
    for (const char c : text::xmlSafeText(title)) {
        const auto u = static_cast<unsigned char>(c);
        const bool keep = u >= 0x80 || std::isalnum(u) || c == '-' || c == '_' || c == '.' || c == ',';
        if (!keep) {
            gap = !name.empty();
            continue;
        }
        const bool startsCharacter = (u & 0xC0) != 0x80;
        if (startsCharacter && name.size() >= 80)
            break;
        if (gap)
            name += '-';
        gap = false;
        name += c;
    }
    while (!name.empty() && (name.back() == '.' || name.back() == '-'))
        name.pop_back();
    while (!name.empty() && name.front() == '.')
        name.erase(0, 1);
    return name;
}

} // namespace

FlashBookOutput::FlashBookOutput(std::shared_ptr<FlashPageSource> pageSource,
                                 std::shared_ptr<FlashTemplate> flashTemplate, std::string saveToFolder,
                                 std::string toName)
    : iFlashTemplate(std::move(flashTemplate)),
      iFlashPageSource(std::move(pageSource)),
      iSaveToFolder(std::move(saveToFolder)),
      iSaveToFileName(std::move(toName))
{
}

FlashBookOutput::~FlashBookOutput() = default;

std::string FlashBookOutput::htmlFileNameForName(std::string_view name)
{
    constexpr std::string_view kHtml = ".html";
    const bool hasExtension =
        name.size() >= kHtml.size() && upperCased(std::string(name.substr(name.size() - kHtml.size()))) == ".HTML";
    return hasExtension ? std::string(name) : std::string(name) + std::string(kHtml);
}

void FlashBookOutput::setFlashPagesAnnotations(std::shared_ptr<FlashPagesAnnotations> annotations)
{
    iFlashPagesAnnotations = std::move(annotations);
}

void FlashBookOutput::setFlashOutline(std::shared_ptr<FlashOutline> outline)
{
    iFlashOutline = std::move(outline);
}

void FlashBookOutput::setHTMLConfig(std::shared_ptr<HTMLConfigInfo> config)
{
    iHTMLConfig = std::move(config);
}

void FlashBookOutput::addFailure(std::string failure)
{
    iFailures.push_back(std::move(failure));
}

std::string FlashBookOutput::baseFolderOr(const std::string& baseFolder) const
{
    return baseFolder.empty() ? iSaveToFolder : baseFolder;
}

std::string FlashBookOutput::folderPath(const std::string& baseFolder, const std::string& folder) const
{
    return file::joinPath(file::joinPath(baseFolderOr(baseFolder), iResourceFolder), folder);
}

std::string FlashBookOutput::outputHTMLFileName() const
{
    return file::joinPath(iSaveToFolder, iSaveToFileName.empty() ? std::string("index.html") : iSaveToFileName);
}

std::string FlashBookOutput::outputFileName() const
{
    return outputHTMLFileName();
}

std::string FlashBookOutput::outputSWFName() const
{
    return file::joinPath(iSaveToFolder, "book.swf");
}

void FlashBookOutput::ouputTheBook()
{
    if (!file::isDirectory(iSaveToFolder)) {
        addFailure("the book folder does not exist: " + iSaveToFolder);
        return;
    }
    prepaireNomalPage("");
    if (iStopped)
        return;
    prepaireZoomendPage("");
    prepaireThumbPage("");
    prepaireExtFiles("");
    if (iFlashPagesAnnotations)
        PrepareAnnotationFiles("");
    prepareDownload();
    outputHTMLPage();
    outputReadingVersion();
    ouputBookXML(file::joinPath(file::joinPath(iSaveToFolder, iResourceFolder), "book.bin"));
    outputSearchText();
    outputPlayer();
}

void FlashBookOutput::outputSearchText()
{
    std::string error;
    if (!SearchTextWriter::write(iFlashPagesText.get(), folderPath("", iSearchInfoFolder), &error))
        addFailure(error);
}

void FlashBookOutput::prepaireNomalPage(const std::string& baseFolder)
{
    const std::string folder = folderPath(baseFolder, iNormalPageFolder);
    file::createDirectories(folder);
    if (!iFlashPageSource)
        return;
    for (const auto& page : iFlashPageSource->pages()) {
        if (page && !iFlashPageSource->getNormalPageAtIndex(page->pageIndex()))
            addFailure(log::format("page %d has no page image", page->pageIndex()));
    }
    const std::size_t total = iFlashPageSource->normalPages().size();
    std::size_t done = 0;
    iStopped = iPageProgress && !iPageProgress(done, total);
    for (const auto& page : iFlashPageSource->normalPages()) {
        if (iStopped)
            return;
        ++done;
        if (!page)
            continue;
        copyPageFile(page->pageIndex(), page->pageFilePath(), folder, "");
        iStopped = iPageProgress && !iPageProgress(done, total);
    }
}

std::optional<std::string> FlashBookOutput::copyPageFile(std::int32_t pageNumber, const std::string& source,
                                                         const std::string& folder, const char* what)
{
    const std::string name = log::format("%d.%s", pageNumber, bookExtension(source).c_str());
    const std::string target = file::joinPath(folder, name);
    clearWayFor(target, source);
    if (file::copyFile(source, target))
        return name;
    addFailure(log::format("page %d: could not copy %s%s", pageNumber, what, source.c_str()));
    return std::nullopt;
}

bool FlashBookOutput::copyTiles(const FlashPageTiles& tiles, const std::string& folder)
{
    const TileLayout& layout = tiles.layout();
    if (!file::createDirectories(folder) || static_cast<int>(layout.codes.size()) != layout.columns() * layout.rows())
        return false;
    for (int row = 0; row < layout.rows(); ++row) {
        for (int column = 0; column < layout.columns(); ++column) {
            const std::string name =
                TileLayout::tileName(column, row, layout.codes[static_cast<std::size_t>(row * layout.columns() + column)]);
            if (!name.empty() &&
                !file::copyFile(file::joinPath(tiles.pageFilePath(), name), file::joinPath(folder, name)))
                return false;
        }
    }
    return true;
}

void FlashBookOutput::prepaireZoomendPage(const std::string& baseFolder)
{
    iZoomedURLs.clear();
    if (!iFlashPageSource || iFlashPageSource->zoomedPages().empty())
        return;
    const std::string folder = folderPath(baseFolder, iZoomedPageFolder);
    file::createDirectories(folder);
    for (const auto& page : iFlashPageSource->normalPages()) {
        const FlashPage* zoomed = page ? iFlashPageSource->getZoomedPageAtIndex(page->pageIndex()) : nullptr;
        if (!zoomed || iStopped)
            continue;
        const std::int32_t n = page->pageIndex();
        const std::string url = "./" + iResourceFolder + "/" + iZoomedPageFolder + "/";
        if (const auto* tiles = dynamic_cast<const FlashPageTiles*>(zoomed)) {
            const std::string name = log::format("%d", n);
            const std::string target = file::joinPath(folder, name);
            file::removeAll(target);
            if (copyTiles(*tiles, target))
                iZoomedURLs[n] = {url + name + "/", tiles->layout()};
            else
                addFailure(log::format("page %d: could not copy its detail from %s", n, tiles->pageFilePath().c_str()));
            continue;
        }
        if (const auto name = copyPageFile(n, zoomed->pageFilePath(), folder, ""))
            iZoomedURLs[n] = {url + *name, std::nullopt};
    }
}

void FlashBookOutput::prepaireThumbPage(const std::string& baseFolder)
{
    iThumbURLs.clear();
    if (!iFlashPageSource)
        return;
    const std::string folder = folderPath(baseFolder, iThumbPageFolder);
    for (const auto& page : iFlashPageSource->normalPages()) {
        const FlashPage* thumb = page ? iFlashPageSource->getThumbPageAtIndex(page->pageIndex()) : nullptr;
        if (!thumb)
            continue;
        if (iThumbURLs.empty())
            file::createDirectories(folder);
        const std::int32_t n = page->pageIndex();
        if (const auto name = copyPageFile(n, thumb->pageFilePath(), folder, "its thumbnail "))
            iThumbURLs[n] = "./" + iResourceFolder + "/" + iThumbPageFolder + "/" + *name;
    }
}

void FlashBookOutput::prepaireExtFiles(const std::string& baseFolder)
{
    file::createDirectories(folderPath(baseFolder, iExterFilesFolder));
    if (!iFlashTemplate)
        return;
    for (const auto& property : iFlashTemplate->properties()) {
        if (property)
            prepaireExtFiles(baseFolder, *property);
    }
}

void FlashBookOutput::prepaireExtFiles(const std::string& baseFolder, const FlashTemplateProperty& property)
{
    const std::string key = textOf(property.key());
    const std::string value = textOf(property.value());
    if (isFileProperty(property) && !value.empty()) {
        const std::string name = extFileName(key, value);
        if (!isSafeFileName(key)) {
            addFailure("the file property key \"" + key + "\" cannot name a file");
        } else {
            const std::string target = file::joinPath(folderPath(baseFolder, iExterFilesFolder), name);
            clearWayFor(target, value);
            if (!file::isRegularFile(value)) {
                addFailure("the file chosen for \"" + key + "\" is missing: " + value);
            }
            else if (!file::copyFile(value, target))
                addFailure("could not copy the file chosen for \"" + key + "\": " + value);
        }
    }
    for (const auto& child : property.childProperties()) {
        if (child)
            prepaireExtFiles(baseFolder, *child);
    }
}

void FlashBookOutput::PrepareAnnotationFiles(const std::string& baseFolder)
{
    const std::string folder = folderPath(baseFolder, iAnnotationFilesFolder);
    file::createDirectories(folder);
    if (!iFlashPagesAnnotations)
        return;
    for (const std::string& path : iFlashPagesAnnotations->needFiles()) {
        if (!file::isRegularFile(path)) {
            addFailure("an annotation file is missing: " + path);
            continue;
        }
        const std::string target = file::joinPath(folder, file::lastPathComponent(path));
        if (file::exists(target))
            continue;
        if (!file::copyFile(path, target))
            addFailure("could not copy the annotation file " + path);
    }
}

bool FlashBookOutput::switchedOn(const std::string& key, bool byDefault) const
{
    if (!iFlashTemplate)
        return byDefault;
    return valueAsBool(iFlashTemplate->propertyValueFor(key, byDefault ? "YES" : "NO"));
}

std::string FlashBookOutput::templateText(const std::string& key) const
{
    return iFlashTemplate ? iFlashTemplate->propertyValueFor(key, "") : std::string();
}

std::string FlashBookOutput::bookAddress() const
{
    return iFlashTemplate ? BookEmbedCode::bookAddress(*iFlashTemplate) : std::string();
}

std::optional<FlashBookOutput::Download> FlashBookOutput::download() const
{
    if (!switchedOn("showDownload", false) || !iFlashPageSource || !file::isRegularFile(iFlashPageSource->sourceFile()))
        return std::nullopt;
    const std::string& source = iFlashPageSource->sourceFile();
    std::string name = text::xmlSafeText(file::lastPathComponent(source));
    if (iFlashPageSource->sourceFileIsBuilt()) {
        name = fileNameOfTitle(templateText("bookTitle"));
        if (name.empty())
            name = fileNameOfTitle(file::deletingPathExtension(file::lastPathComponent(outputHTMLFileName())));
        name = (name.empty() ? std::string("book") : name) + ".pdf";
    }
    if (!isSafeFileName(name))
        return std::nullopt;
    return Download{source, name};
}

std::optional<std::string> FlashBookOutput::readingVersionName() const
{
    if (!switchedOn("writeTextVersion", true))
        return std::nullopt;
    return ReadingVersion::fileNameFor(file::lastPathComponent(outputHTMLFileName()));
}

void FlashBookOutput::prepareDownload()
{
    if (!switchedOn("showDownload", false))
        return;
    const std::string source = iFlashPageSource ? iFlashPageSource->sourceFile() : std::string();
    if (source.empty()) {
        addFailure("the book offers its PDF for download, but its pages come from no PDF: build the pictures into one, "
                   "or switch Download off");
        return;
    }
    const std::optional<Download> offered = download();
    if (!offered) {
        addFailure("the PDF offered for download is missing: " + source);
        return;
    }
    const std::string folder = folderPath("", iDownloadFolder);
    file::createDirectories(folder);
    if (!file::copyFile(offered->source, file::joinPath(folder, offered->name)))
        addFailure("could not copy the PDF offered for download: " + source);
}

void FlashBookOutput::outputReadingVersion()
{
    const std::optional<std::string> name = readingVersionName();
    if (!name)
        return;
    ReadingVersion::Book book;
    book.title = templateText("bookTitle");
    if (book.title.empty() && iHTMLConfig)
        book.title = iHTMLConfig->HTMLTitle();
    book.description = templateText("bookDescription");
    book.language = templateText("languageSetting");
    book.pageWidth = text::intValue(templateText("pageWidth"));
    book.pageHeight = text::intValue(templateText("pageHeight"));
    book.bookPage = file::lastPathComponent(outputHTMLFileName());
    book.outline = iFlashOutline.get();
    if (iFlashPageSource) {
        const auto& pages = iFlashPageSource->pages();
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (!pages[i])
                continue;
            ReadingVersion::Page page;
            page.fileNumber = pages[i]->pageIndex();
            page.pictureUrl = relativeToBook(getThumbPageURL(iFlashPageSource->getNormalPageAtIndex(page.fileNumber)));
            if (iFlashPagesText && i < iFlashPagesText->pages().size() && !iFlashPagesText->pages()[i].empty())
                page.text = &iFlashPagesText->pages()[i];
            book.pages.push_back(std::move(page));
        }
    }
    const std::string target = file::joinPath(iSaveToFolder, *name);
    if (!file::writeFileAtomically(target, ReadingVersion::html(book)))
        addFailure("could not write the reading version " + target);
}

void FlashBookOutput::outputHTMLPage()
{
    const std::string target = outputHTMLFileName();
    const std::optional<std::string> source =
        iFlashTemplate ? iFlashTemplate->tmplHTMLFilePath() : std::optional<std::string>();
    if (!source) {
        addFailure("the template has no HTML page template");
        return;
    }
    if (iHTMLConfig) {
        HTMLConfigInfo page = *iHTMLConfig;
        if (const std::string description = templateText("bookDescription"); !description.empty())
            page.setHTMLDescription(description);
        const std::string address = bookAddress();
        const FlashPageSource::PageList* pages = iFlashPageSource ? &iFlashPageSource->pages() : nullptr;
        if (pages && !pages->empty() && pages->front()) {
            const std::string first = getNormalPageURL(iFlashPageSource->getNormalPageAtIndex(pages->front()->pageIndex()));
            if (!first.empty())
                page.setHTMLPreviewImage(address + relativeToBook(first));
        }
        if (!address.empty())
            page.setHTMLPageAddress(address + file::lastPathComponent(target));
        const ReadingVersion::Words& words = ReadingVersion::wordsFor(templateText("languageSetting"));
        page.setHTMLNoScriptText(words.needsScript);
        page.setHTMLTextVersionLink(words.readPlain);
        page.setHTMLTextVersion(readingVersionName().value_or(""));
        page.generateHTMLFrom(*source, target);
    } else {
        clearWayFor(target, *source);
        file::copyFile(*source, target);
    }
    if (!file::isRegularFile(target))
        addFailure("could not write the HTML page " + target);
}

void FlashBookOutput::outputPlayer()
{
    const std::string target = outputSWFName();
    if (iFlashTemplate)
        iFlashTemplate->copyBookSWFToFile(target);
    if (!file::isRegularFile(target))
        addFailure("could not copy the template's book.swf to " + target);
}

std::string FlashBookOutput::getNormalPageURL(const FlashPage* page) const
{
    if (!page)
        return {};
    return log::format("./%s/%s/%d.%s", iResourceFolder.c_str(), iNormalPageFolder.c_str(), page->pageIndex(),
                       bookExtension(page->pageFilePath()).c_str());
}

std::string FlashBookOutput::getZoomedPageURL(const FlashPage* page) const
{
    const auto found = page ? iZoomedURLs.find(page->pageIndex()) : iZoomedURLs.end();
    return found == iZoomedURLs.end() ? getNormalPageURL(page) : found->second.first;
}

std::string FlashBookOutput::getThumbPageURL(const FlashPage* page) const
{
    const auto found = page ? iThumbURLs.find(page->pageIndex()) : iThumbURLs.end();
    return found == iThumbURLs.end() ? getNormalPageURL(page) : found->second;
}

void FlashBookOutput::appendItem(xml::Element node, const FlashTemplateProperty& property) const
{
    const std::string key = textOf(property.key());
    std::string text = textOf(property.value());
    // A file property names the copy inside the book; an empty one names nothing.
    if (isFileProperty(property) && !text.empty())
        text = "./" + iResourceFolder + "/" + iExterFilesFolder + "/" + extFileName(key, text);
    xml::Element item = node.addChildElement("item", text);
    item.addAttribute("name", key);
}

void FlashBookOutput::appendChildPropertyToNode(xml::Element node, const FlashTemplateProperty& property) const
{
    for (const auto& child : property.childProperties()) {
        if (!child)
            continue;
        appendItem(node, *child);
        appendChildPropertyToNode(node, *child);
    }
}

bool FlashBookOutput::hasText() const
{
    return iFlashPagesText && iFlashPagesText->hasText();
}

bool FlashBookOutput::hasHardCover() const
{
    return iFlashTemplate && upperCased(textOf(iFlashTemplate->propertyValueFor("isHardCover", "no"))) == "YES";
}

xml::Document FlashBookOutput::bookXML() const
{
    static const FlashPageSource::PageList kNoPages;
    const FlashPageSource::PageList& pages = iFlashPageSource ? iFlashPageSource->pages() : kNoPages;

    xml::OwnedElement root("flipbook");
    root->addAttribute("count", text::decimalText(static_cast<std::int64_t>(pages.size())));
    root->addAttribute("appAppShortName", kAppShortName);
    root->addAttribute("appAppName", kAppName);
    root->addAttribute("appAppVersion", kAppVersion);
    root->addAttribute("appWebsite", kAppWebsite);
    root->addAttribute("e", "noext");
    // The player asks for files/search only when it is there: a book without words fetches none.
    root->addAttribute("hasText", hasText() ? "true" : "false");

    xml::Element extConfig = root->addChildElement("extConfig");
    if (iFlashTemplate) {
        for (const auto& property : iFlashTemplate->properties()) {
            if (!property)
                continue;
            appendItem(extConfig, *property);
            appendChildPropertyToNode(extConfig, *property);
        }
    }

    xml::Element pagesNode = root->addChildElement("pages");
    const bool hardCover = hasHardCover();
    for (size_t i = 0; i < pages.size(); ++i) {
        if (!pages[i])
            continue;
        const FlashPage* normal = iFlashPageSource->getNormalPageAtIndex(pages[i]->pageIndex());
        xml::Element page = pagesNode.addChildElement("page");
        const bool hardPage = hardCover && (i == 0 || i == pages.size() - 1);
        page.addAttribute("isHardPage", hardPage ? "true" : "false");
        page.addAttribute("isEncrypted", "false");
        page.addChildElement("normalUrl", getNormalPageURL(normal));
        xml::Element large = page.addChildElement("largeUrl", getZoomedPageURL(normal));
        const auto zoomed = normal ? iZoomedURLs.find(normal->pageIndex()) : iZoomedURLs.end();
        if (zoomed != iZoomedURLs.end() && zoomed->second.second) {
            const TileLayout& layout = *zoomed->second.second;
            large.addAttribute("width", text::decimalText(layout.width));
            large.addAttribute("height", text::decimalText(layout.height));
            large.addAttribute("tileSize", text::decimalText(layout.tileSize));
            large.addAttribute("tiles", layout.codes);
        }
        page.addChildElement("thumbUrl", getThumbPageURL(normal));
    }

    if (iFlashOutline) {
        const xml::Element outline = root->addChild(iFlashOutline->outlineAsXMLNode());
        if (log::isEnabled(log::Level::debug))
            PW_LOG_DEBUG("XML:%s", xml::Document::withRootElement(outline.copy()).xmlData().c_str());
    }
    // The container keeps its element for later books; the document gets a copy.
    if (iFlashPagesAnnotations) {
        if (const xml::Element annotations = iFlashPagesAnnotations->pagesAnnotationsNode())
            root->addChild(annotations.copy());
    }
    if (const std::optional<Download> offered = download()) {
        xml::Element element = root->addChildElement("download");
        element.addAttribute("file", offered->name);
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(offered->source, error);
        if (!error)
            element.addAttribute("size", text::decimalText(static_cast<std::int64_t>(size)));
    }
    return xml::Document::withRootElement(std::move(root));
}

bool FlashBookOutput::ouputBookXML(const std::string& path)
{
    const std::optional<std::string> bytes = FlashBookFile::pack(bookXML().xmlData());
    // Written atomically over the old file, which therefore stays until the new one is whole.
    if (!bytes || !file::writeFileAtomically(path, *bytes)) {
        PW_LOG_ERROR("Could not write document out...");
        addFailure("could not write the book configuration file " + path);
        return false;
    }
    const std::string script = file::joinPath(file::deletingLastPathComponent(path), FlashBookFile::kScriptName);
    if (!file::writeFileAtomically(script, FlashBookFile::script(*bytes)))
        addFailure("could not write the book script " + script);
    return true;
}

} // namespace pw
