#pragma once

#include <string>

namespace pw::test {

// One <property> of a flashTemplate.xml, with its children if given.
inline std::string property(const std::string& type, const std::string& key, const std::string& value,
                            const std::string& children = "")
{
    return "<property type=\"" + type + "\"><key>" + key + "</key><title>" + key + "</title><desc/><value>" + value +
           "</value><valueSource/><defalutValue/>" +
           (children.empty() ? "" : "<childProperties>" + children + "</childProperties>") + "</property>";
}

// A whole flashTemplate.xml: html\index.html and book.swf, the style given as default.
inline std::string templateDescription(const std::string& properties, const std::string& defaultStyle = "Blank")
{
    return "<template><info><htmlPath>html\\index.html</htmlPath><swfPath>book.swf</swfPath><defaultStyle>" +
           defaultStyle + "</defaultStyle><macAppFilesFolder/><mobileTmplFilesPath/></info><properties>" + properties +
           "</properties></template>";
}

} // namespace pw::test
