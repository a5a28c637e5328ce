#include "template/FlashTemplate.h"

#include <algorithm>
#include <filesystem>

#include "base/FileUtil.h"
#include "base/Log.h"
#include "base/PagewindException.h"
#include "base/ResourceFolder.h"
#include "base/TextEncoding.h"
#include "base/VexUtility.h"
#include "base/XmlDocument.h"

namespace pw {
namespace {

constexpr std::string_view kStyleResource = "STYLE_RESOURCE:";

std::string backslashesToSlashes(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string withTrailingSlash(std::string path)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// True when the lexically normalised path lies strictly inside the folder.
bool isInsideFolder(const std::string& path, const std::string& folder)
{
    const std::filesystem::path normalFolder = std::filesystem::path(folder).lexically_normal();
    const std::filesystem::path relative = std::filesystem::path(path).lexically_normal().lexically_relative(normalFolder);
    if (relative.empty() || relative == ".")
        return false;
    return *relative.begin() != "..";
}

FlashTemplateProperty* findBelow(const FlashTemplateProperty& property, const std::string& key)
{
    for (const std::unique_ptr<FlashTemplateProperty>& child : property.childProperties()) {
        if (child->key() == key)
            return child.get();
        if (FlashTemplateProperty* found = findBelow(*child, key))
            return found;
    }
    return nullptr;
}

// The description's info texts, read whole before anything is assigned.
struct DescriptionInfo {
    std::string htmlPath, swfPath, defaultStyle, macAppFilesFolder, mobileTmplFilesPath;
};

std::string requiredText(const xml::Element& parent, const char* name)
{
    const xml::Element child = parent.firstElementForName(name);
    if (!child)
        throw PagewindException("ERROR_TEMPLATE_DESCRIPTION", "missing element <" + std::string(name) + ">");
    return child.stringValue();
}

DescriptionInfo readInfo(const xml::Element& root)
{
    const xml::Element info = root.firstElementForName("info");
    if (!info)
        throw PagewindException("ERROR_TEMPLATE_DESCRIPTION", "missing element <info>");
    return {requiredText(info, "htmlPath"), requiredText(info, "swfPath"), requiredText(info, "defaultStyle"),
            requiredText(info, "macAppFilesFolder"), requiredText(info, "mobileTmplFilesPath")};
}

FlashTemplate::Properties readProperties(const xml::Element& root)
{
    const xml::Element holder = root.firstElementForName("properties");
    if (!holder)
        throw PagewindException("ERROR_TEMPLATE_DESCRIPTION", "missing element <properties>");
    FlashTemplate::Properties properties;
    for (const xml::Element& element : holder.elementsForName("property")) {
        auto property = std::make_unique<FlashTemplateProperty>();
        property->loadFromNode(element);
        property->setParent(nullptr);
        properties.push_back(std::move(property));
    }
    return properties;
}

} // namespace

FlashTemplate::FlashTemplate() { loadTemplate("float"); }

// --- Template library ---

std::vector<std::string> FlashTemplate::tmplNames()
{
    return VexUtility::subFolderOfFolder(file::joinPath(resources::resourceFolder(), "AppFiles/Templates/"));
}

std::vector<std::string> FlashTemplate::tmplStyleNamesForTmpl(const std::string& tmplName)
{
    return VexUtility::subFolderOfFolder(
        file::joinPath(file::joinPath(resources::resourceFolder(), "AppFiles/Styles/"), tmplName));
}

std::string FlashTemplate::stylePathFor(const std::string& tmplName, const std::string& styleName)
{
    const std::string styles = file::joinPath(resources::resourceFolder(), "AppFiles/Styles/");
    return file::withoutTrailingSlash(file::joinPath(file::joinPath(styles, tmplName), styleName));
}

std::string FlashTemplate::tmplPathForName(const std::string& tmplName)
{
    return withTrailingSlash(file::joinPath(resources::resourceFolder(), "AppFiles/Templates/" + tmplName + "/"));
}

std::string FlashTemplate::tmplMetaPathForName(const std::string& tmplName)
{
    return file::joinPath(tmplPathForName(tmplName), "flashTemplate.xml");
}

std::string FlashTemplate::tmplDataPath()
{
    return withTrailingSlash(file::joinPath(resources::resourceFolder(), "AppFiles/"));
}

void FlashTemplate::copyBookSWFToFile(const std::string& targetPath) const
{
    const std::string source = file::joinPath(tmplPathForName(tmplName_), "book.swf");
    // copyFile replaces a file in one step; only a folder in the way, or a target whose source
    // is gone, is removed first.
    if (file::isDirectory(targetPath) || !file::isRegularFile(source))
        file::removeAll(targetPath);
    if (!file::copyFile(source, targetPath))
        PW_LOG_WARN("Cannot copy %s to %s", source.c_str(), targetPath.c_str());
}

std::optional<std::string> FlashTemplate::tmplHTMLFilePath() const
{
    if (!HTMLFilePath_ || HTMLFilePath_->empty())
        return std::nullopt;
    for (const std::string& base : {tmplPathForName(tmplName_), tmplDataPath()}) {
        const std::string candidate = backslashesToSlashes(file::joinPath(base, *HTMLFilePath_));
        if (file::exists(candidate))
            return candidate;
    }
    return std::nullopt;
}

// --- Loading ---

void FlashTemplate::loadTemplate(const std::string& name)
{
    properties_.clear();
    tmplName_ = name;
    const std::string path = tmplMetaPathForName(name);
    std::string error;
    const std::optional<xml::Document> document = xml::Document::readFile(path, &error);
    if (!document) {
        PW_LOG_ERROR("Cannot load the template description %s: %s", path.c_str(), error.c_str());
        return;
    }
    try {
        const xml::Element root = document->rootElement();
        DescriptionInfo info = readInfo(root);
        Properties properties = readProperties(root);
        HTMLFilePath_ = std::move(info.htmlPath);
        SWFFilePath_ = std::move(info.swfPath);
        defaultSytleName_ = std::move(info.defaultStyle);
        macAppFilesFolder_ = std::move(info.macAppFilesFolder);
        mobileTmplFilesPath_ = std::move(info.mobileTmplFilesPath);
        properties_ = std::move(properties);
    } catch (const PagewindException& refused) {
        PW_LOG_ERROR("Cannot load the template description %s: %s", path.c_str(), refused.reason().c_str());
    }
    templateBookTitle_ = propertyValueFor("bookTitle", "");
}

void FlashTemplate::changeTmplTo(const std::string& name, const std::string& stylePath)
{
    const std::string width = propertyValueFor("pageWidth", "960");
    const std::string height = propertyValueFor("pageHeight", "600");
    const std::string language = propertyValueFor("languageSetting", "");
    loadTemplate(name);
    loadStyleByStylePath(stylePath);
    setPropertyValue("pageWidth", width);
    setPropertyValue("pageHeight", height);
    setPropertyValue("languageSetting", language);
}

void FlashTemplate::loadStyleByStylePath(const std::string& stylePath)
{
    styleName_ = file::lastPathComponent(stylePath);
    importPropertiesSettingsFrom(file::joinPath(stylePath, "tmplSetting.txt"));
    templateBookTitle_ = propertyValueFor("bookTitle", "");
}

void FlashTemplate::loadStyleByStyleName(const std::string& styleName)
{
    loadStyleByStylePath(stylePathFor(tmplName_, styleName));
}

// --- Settings files ---

std::optional<std::string> FlashTemplate::importPropertiesSettingsFrom(const std::string& path)
{
    std::string text = file::readFile(path).value_or(std::string());
    std::optional<std::string> warning;
    if (!text::isValidUtf8(text)) {
        text = text::replaceInvalidUtf8(text);
        warning = "the settings file \"" + path + "\" is not UTF-8 text; characters that could not be read became \"\uFFFD\"";
        PW_LOG_WARN("%s", warning->c_str());
    }
    const std::string width = propertyValueFor("pageWidth", "960");
    const std::string height = propertyValueFor("pageHeight", "600");
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        std::string piece = text.substr(start, end - start);
        start = end + 1;
        std::erase(piece, '\r');
        const size_t equals = piece.find('=');
        if (equals == std::string::npos)
            continue;
        setPropertyValue(piece.substr(0, equals), piece.substr(equals + 1));
    }
    setPropertyValue("pageWidth", width);
    setPropertyValue("pageHeight", height);
    return warning;
}

bool FlashTemplate::exportPropertiesSettingsTo(const std::string& path) const
{
    std::vector<std::string> entries;
    exportPropertiesSettingsToArray(entries, nullptr);
    std::string text;
    for (const std::string& entry : entries) {
        text += "\n\r";
        text += entry;
    }
    if (file::writeFileAtomically(path, text))
        return true;
    PW_LOG_WARN("Cannot write the settings file %s", path.c_str());
    return false;
}

void FlashTemplate::exportPropertiesSettingsToArray(std::vector<std::string>& entries,
                                                    const FlashTemplateProperty* from) const
{
    if (from)
        entries.push_back(replaceAll(from->key(), "\n\r", "|||") + "=" + from->value().value_or(std::string()));
    for (const std::unique_ptr<FlashTemplateProperty>& child : from ? from->childProperties() : properties_)
        exportPropertiesSettingsToArray(entries, child.get());
}

void FlashTemplate::adoptDocumentTitle(const std::string& title)
{
    if (!title.empty() && propertyValueFor("bookTitle", "") == templateBookTitle_)
        setPropertyValue("bookTitle", title);
}

// --- Values by key ---

FlashTemplateProperty* FlashTemplate::propertyForKey(const std::string& key) const
{
    for (const std::unique_ptr<FlashTemplateProperty>& property : properties_) {
        if (property->key() == key)
            return property.get();
        if (FlashTemplateProperty* found = findBelow(*property, key))
            return found;
    }
    return nullptr;
}

std::string FlashTemplate::propertyValueFor(const std::string& key, const std::string& defaultValue) const
{
    const FlashTemplateProperty* property = propertyForKey(key);
    return property && property->value() ? *property->value() : defaultValue;
}

std::optional<std::string> FlashTemplate::propertyValueFor(const FlashTemplateProperty& property,
                                                           const std::string& key) const
{
    const FlashTemplateProperty* found = findBelow(property, key);
    return found ? found->value() : std::nullopt;
}

void FlashTemplate::setPropertyValue(const std::string& key, const std::string& value)
{
    if (FlashTemplateProperty* property = propertyForKey(key))
        assign(*property, value);
}

bool FlashTemplate::setPropertyValueAt(FlashTemplateProperty& property, const std::string& key,
                                       const std::string& value)
{
    FlashTemplateProperty* found = findBelow(property, key);
    if (!found)
        return false;
    assign(*found, value);
    return true;
}

void FlashTemplate::assign(FlashTemplateProperty& property, const std::string& value)
{
    if (property.propertyType() != pt_file) {
        property.setValue(value);
        return;
    }
    if (std::optional<std::string> path = valueAsFilePath(value))
        property.setValue(std::move(path));
}

std::optional<std::string> FlashTemplate::valueAsFilePath(const std::string& value) const
{
    const size_t marker = value.find(kStyleResource);
    if (marker == std::string::npos)
        return value;
    if (!styleName_) {
        PW_LOG_WARN("No style applied, cannot resolve %s", value.c_str());
        return std::nullopt;
    }
    const std::string styleFolder = stylePathFor(tmplName_, *styleName_);
    const std::string path = file::joinPath(styleFolder, value.substr(marker + kStyleResource.size()));
    if (!isInsideFolder(path, styleFolder)) {
        PW_LOG_WARN("Style resource %s leaves the style folder %s, not assigned", value.c_str(), styleFolder.c_str());
        return std::nullopt;
    }
    return path;
}

void FlashTemplate::setProperties(Properties properties)
{
    properties_ = std::move(properties);
    for (const std::unique_ptr<FlashTemplateProperty>& property : properties_)
        property->setParent(nullptr);
}

} // namespace pw
