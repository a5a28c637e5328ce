#include "book/FlashBookOutputApp.h"

#include <cctype>
#include <cstdint>
#include <optional>

#include "base/FileUtil.h"
#include "base/Log.h"
#include "base/XmlDocument.h"
#include "book/FlashPage.h"
#include "book/FlashPageSource.h"
#include "book/IcnsFile.h"
#include "template/FlashTemplate.h"
#include "template/HTMLConfigInfo.h"

namespace pw {

namespace {

std::string bundleName(const std::string& toName)
{
    return file::deletingPathExtension(toName) + ".app";
}

// Sets the text of a key of the property list's top dictionary, adding the key when missing.
void setPlistString(xml::Element dict, const std::string& key, const std::string& value)
{
    std::vector<xml::Element> entries = dict.childElements();
    for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
        if (entries[i].name() == "key" && entries[i].stringValue() == key) {
            entries[i + 1].setStringValue(value);
            return;
        }
    }
    dict.addChildElement("key", key);
    dict.addChildElement("string", value);
}

const char* const kIconName = "AppIcon";

} // namespace

FlashBookOutputApp::FlashBookOutputApp(std::shared_ptr<FlashPageSource> pageSource,
                                       std::shared_ptr<FlashTemplate> flashTemplate, const std::string& saveToFolder,
                                       const std::string& toName)
    : FlashBookOutput(std::move(pageSource), std::move(flashTemplate),
                      file::joinPath(file::joinPath(saveToFolder, bundleName(toName)), "Contents/Resources/"),
                      bundleName(toName))
{
}

std::string FlashBookOutputApp::outputHTMLFileName() const
{
    return file::joinPath(saveToFolder(), "index.html");
}

std::string FlashBookOutputApp::outputFileName() const
{
    return file::deletingLastPathComponent(file::deletingLastPathComponent(saveToFolder()));
}

void FlashBookOutputApp::ouputTheBook()
{
    const std::string bundle = outputFileName();
    const std::string resources = saveToFolder();
    const std::string parent = file::deletingLastPathComponent(bundle);
    file::createDirectories(parent);
    // The new bundle is made beside the old one and swapped in whole: a failed or killed run
    // leaves the previous application as it was, never a half-made one.
    const std::optional<std::string> staging = file::makeStagingFolderFor(bundle);
    if (!staging) {
        addFailure("the application bundle cannot be made in " + parent);
        return;
    }
    setSaveToFolder(file::joinPath(*staging, "Contents/Resources/"));
    try {
        writeBundle(*staging);
    } catch (...) {
        setSaveToFolder(resources);
        file::removeAll(*staging);
        throw;
    }
    setSaveToFolder(resources);
    // A stopped run leaves the previous application as it was.
    if (stopped()) {
        file::removeAll(*staging);
        return;
    }
    if (!file::replaceFolder(*staging, bundle)) {
        addFailure("the application bundle could not be put in place at " + bundle);
        file::removeAll(*staging);
    }
}

void FlashBookOutputApp::writeBundle(const std::string& bundle)
{
    const std::string contents = file::joinPath(bundle, "Contents");
    const std::string shell =
        flashTemplate() ? file::joinPath(flashTemplate()->tmplDataPath(), "TmplData/mac.app/Contents/") : "";
    if (shell.empty() || !file::copyTree(shell, contents)) {
        const std::string reason = "the application shell " + shell + " could not be copied";
        PW_LOG_ERROR("ouput the book,copy failed:%s", reason.c_str());
        addFailure(reason);
    }
    file::createDirectories(saveToFolder());
    FlashBookOutput::ouputTheBook();
    if (stopped())
        return;
    writeInfo(contents, writeIcon(saveToFolder()));
}

std::string FlashBookOutputApp::bundleIdentifierFor(const std::string& name)
{
    std::string slug;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) && byte < 0x80)
            slug.push_back(static_cast<char>(std::tolower(byte)));
        else if (!slug.empty() && slug.back() != '-')
            slug.push_back('-');
    }
    while (!slug.empty() && slug.back() == '-')
        slug.pop_back();
    if (slug.empty()) {
        std::uint32_t hash = 2166136261U;  // FNV-1a, so that two such names rarely meet
        for (const char c : name)
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
        slug = "book-" + std::to_string(hash);
    }
    return "org.pagewind.book." + slug;
}

bool FlashBookOutputApp::writeIcon(const std::string& resources) const
{
    const FlashPage* first = flashPageSource() && !flashPageSource()->normalPages().empty()
                                 ? flashPageSource()->normalPages().front().get()
                                 : nullptr;
    if (!iIconMaker || !first)
        return false;
    const std::string icon = icns::iconFile(iIconMaker(first->pageFilePath(), icns::pictureSizes()));
    if (icon.empty())
        return false;
    const std::string path = file::joinPath(resources, std::string(kIconName) + ".icns");
    if (file::writeFileReplacing(path, icon))
        return true;
    PW_LOG_ERROR("the application icon could not be written to %s", path.c_str());
    return false;
}

void FlashBookOutputApp::writeInfo(const std::string& contents, bool withIcon)
{
    const std::string path = file::joinPath(contents, "Info.plist");
    if (!file::exists(path))
        return;  // no shell: reported as such
    std::string error;
    std::optional<xml::Document> info = xml::Document::readFile(path, &error);
    if (!info || info->rootElement().name() != "plist") {
        addFailure("the application's Info.plist cannot be read: " + path + (error.empty() ? "" : ": " + error));
        return;
    }
    xml::Element dict = info->rootElement().firstElementForName("dict");
    if (!dict)
        dict = info->rootElement().addChildElement("dict");
    const std::string name = file::deletingPathExtension(saveToFileName());
    const std::string title = HTMLConfig() ? HTMLConfig()->HTMLTitle() : std::string();
    setPlistString(dict, "CFBundleName", name);
    setPlistString(dict, "CFBundleDisplayName", title.empty() ? name : title);
    setPlistString(dict, "CFBundleIdentifier", bundleIdentifierFor(name));
    if (withIcon)
        setPlistString(dict, "CFBundleIconFile", kIconName);
    if (!file::writeFileReplacing(path, info->xmlData()))
        addFailure("the application's Info.plist could not be written: " + path);
}

} // namespace pw
