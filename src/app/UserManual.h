#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace pw {

// Where the user manual lies and which of its pages and sections answers a request for help.
// The manual is a folder "manual" in the resource folder with one folder per language ("en",
// "de", "zh_CN", ...), each holding index.html; a property's section is the element whose id is
// "property-" and the property's key, so the templates and the manual need no list between them.
namespace UserManual {

// The manual's folder in the resource folder.
QString folder();

// The language folder for the reader's languages in order of preference, as QLocale gives them
// ("de-DE", "zh-Hans-CN", "zh-CN"; "_" separates as well as "-"): the first that the manual has, each name tried whole, then
// with its last part taken off, and so on; "en" when the manual has none of them.
QString languageFor(const QStringList& uiLanguages);

// The manual's page for the languages. For property keys (a property's own, then those of the
// groups it lies in) the URL points at the section of the first key the page has one for, else
// at the section on the properties; without keys at the top of the page. Invalid when the page
// is missing (the manual is not installed).
QUrl pageUrl(const QStringList& uiLanguages, const QStringList& propertyKeys = {});

} // namespace UserManual

} // namespace pw
