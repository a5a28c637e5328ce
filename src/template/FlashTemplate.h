#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "template/FlashTemplateProperty.h"

namespace pw {

// The current book template: its folder name, the paths its description names, the current
// style and the property tree with the current values. Template folders live below the
// resource folder R (pw::resources::resourceFolder()): R/AppFiles/Templates/<T>/ and
// R/AppFiles/Styles/<T>/<S>. Not copyable: property parent links point into this tree.
class FlashTemplate {
public:
    using Properties = FlashTemplateProperty::Children;

    // Holds "float" with the values of its description; no style applied.
    FlashTemplate();
    FlashTemplate(const FlashTemplate&) = delete;
    FlashTemplate& operator=(const FlashTemplate&) = delete;

    // --- Template library (class-level). Lists are in folder-walk order, unsorted. ---

    // Every folder at any depth below R/AppFiles/Templates, as full paths.
    static std::vector<std::string> tmplNames();
    // Every folder at any depth below R/AppFiles/Styles/<tmplName>, as full paths.
    static std::vector<std::string> tmplStyleNamesForTmpl(const std::string& tmplName);
    // R/AppFiles/Styles/<tmplName>/<styleName>, without a trailing "/".
    static std::string stylePathFor(const std::string& tmplName, const std::string& styleName);
    // R/AppFiles/Templates/<tmplName>/, with the trailing "/".
    static std::string tmplPathForName(const std::string& tmplName);
    // tmplPathForName joined with "flashTemplate.xml".
    static std::string tmplMetaPathForName(const std::string& tmplName);
    // R/AppFiles/, with the trailing "/".
    static std::string tmplDataPath();

    // Replaces the target with the current template's "book.swf"; errors are ignored, so a
    // template without the movie leaves no file at the target.
    void copyBookSWFToFile(const std::string& targetPath) const;
    // The HTML template: HTMLFilePath below the template folder, else below tmplDataPath, with
    // every "\" turned into "/"; none when neither exists or HTMLFilePath is absent or empty.
    std::optional<std::string> tmplHTMLFilePath() const;

    // --- Loading, styles and settings files. ---

    // Replaces the property tree with the one of R/AppFiles/Templates/<name>/flashTemplate.xml
    // and sets tmplName. A description that cannot be parsed, lacks "info", one of its five
    // texts or "properties", or holds a refused property leaves properties empty (the info
    // fields as they were) and logs one error naming the file and the reason. styleName is kept.
    void loadTemplate(const std::string& name);
    // Loads the template, applies the style folder, then puts back the previous "pageWidth"
    // ("960"), "pageHeight" ("600") and "languageSetting" ("").
    void changeTmplTo(const std::string& name, const std::string& stylePath);
    // Sets styleName to the folder's name and imports its "tmplSetting.txt".
    void loadStyleByStylePath(const std::string& stylePath);
    void loadStyleByStyleName(const std::string& styleName);
    // Assigns every "key=value" line of a UTF-8 settings file (split at LF, CRs deleted, first
    // "=" splits); "pageWidth" and "pageHeight" keep their values. Unreadable counts as empty.
    // A file that is not UTF-8 is read with U+FFFD for its stray bytes; the warning returned
    // then names the file for the user (none for a clean file).
    std::optional<std::string> importPropertiesSettingsFrom(const std::string& path);
    // Writes every property as 0x0A 0x0D, key, "=", value, in depth-first pre-order, replacing
    // the file in one step. Returns whether it was written; failures are only logged.
    bool exportPropertiesSettingsTo(const std::string& path) const;
    // Appends the entries of "from" and its subtree (none: of every top-level property).
    void exportPropertiesSettingsToArray(std::vector<std::string>& entries, const FlashTemplateProperty* from) const;

    // --- Values by key: the first property in depth-first pre-order with that key decides. ---

    // Its value, or the default when no property has the key or the match has no value.
    std::string propertyValueFor(const std::string& key, const std::string& defaultValue) const;
    // The value of the first match below the property (not the property itself); none when
    // nothing below matches or the match has no value.
    std::optional<std::string> propertyValueFor(const FlashTemplateProperty& property, const std::string& key) const;
    // Assigns the first match; pt_file values go through valueAsFilePath, and a style resource
    // that cannot be resolved leaves the property unchanged. Unknown keys are ignored.
    void setPropertyValue(const std::string& key, const std::string& value);
    // The same below one property; true when a property with the key was found.
    bool setPropertyValueAt(FlashTemplateProperty& property, const std::string& key, const std::string& value);
    // "STYLE_RESOURCE:<rel>" becomes the current style folder joined with <rel>; a value
    // without the marker is returned unchanged. None (with a warning) when no style is applied
    // or the resolved path would leave the style folder.
    std::optional<std::string> valueAsFilePath(const std::string& value) const;

    // Sets "bookTitle" to an imported document's title while it still holds the value that the
    // template and its style gave it, so a title the user chose is never replaced.
    void adoptDocumentTitle(const std::string& title);

    // The first property in depth-first pre-order with that key, or null.
    FlashTemplateProperty* propertyForKey(const std::string& key) const;

    // --- Fields. ---
    const std::string& tmplName() const { return tmplName_; }
    void setTmplName(std::string name) { tmplName_ = std::move(name); }
    const Properties& properties() const { return properties_; }
    void setProperties(Properties properties);
    const std::string& tmplVersion() const { return tmplVersion_; }
    void setTmplVersion(std::string version) { tmplVersion_ = std::move(version); }
    const std::optional<std::string>& tmplFilePath() const { return tmplFilePath_; }
    void setTmplFilePath(std::optional<std::string> path) { tmplFilePath_ = std::move(path); }
    const std::optional<std::string>& SWFFilePath() const { return SWFFilePath_; }
    void setSWFFilePath(std::optional<std::string> path) { SWFFilePath_ = std::move(path); }
    const std::optional<std::string>& HTMLFilePath() const { return HTMLFilePath_; }
    void setHTMLFilePath(std::optional<std::string> path) { HTMLFilePath_ = std::move(path); }
    bool needThumbs() const { return needThumbs_; }
    void setNeedThumbs(bool need) { needThumbs_ = need; }
    const std::optional<std::string>& mobileTmplFilesPath() const { return mobileTmplFilesPath_; }
    void setMobileTmplFilesPath(std::optional<std::string> path) { mobileTmplFilesPath_ = std::move(path); }
    const std::optional<std::string>& macAppFilesFolder() const { return macAppFilesFolder_; }
    void setMacAppFilesFolder(std::optional<std::string> path) { macAppFilesFolder_ = std::move(path); }
    const std::string& defaultSytleName() const { return defaultSytleName_; }
    void setDefaultSytleName(std::string name) { defaultSytleName_ = std::move(name); }
    const std::optional<std::string>& styleName() const { return styleName_; }
    void setStyleName(std::optional<std::string> name) { styleName_ = std::move(name); }
    // "bookTitle" as the template and its style set it (adoptDocumentTitle compares with it).
    const std::string& templateBookTitle() const { return templateBookTitle_; }
    void setTemplateBookTitle(std::string title) { templateBookTitle_ = std::move(title); }

private:
    void assign(FlashTemplateProperty& property, const std::string& value);

    std::string tmplName_ = "float";
    Properties properties_;
    std::string tmplVersion_ = "3.0.0";
    std::optional<std::string> tmplFilePath_;
    std::optional<std::string> SWFFilePath_;
    std::optional<std::string> HTMLFilePath_;
    bool needThumbs_ = true;
    std::optional<std::string> mobileTmplFilesPath_;
    std::optional<std::string> macAppFilesFolder_;
    std::string defaultSytleName_ = "Blank";
    std::optional<std::string> styleName_;
    // "bookTitle" as the template and style set it, for adoptDocumentTitle.
    std::string templateBookTitle_;
};

} // namespace pw
