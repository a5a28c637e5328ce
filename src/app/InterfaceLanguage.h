#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

namespace pw {

// The language the interface speaks: the one chosen in Preferences, else the first of the
// system's languages that Pagewind speaks, else English. Its translations are Pagewind's own
// (compiled into the program) and Qt's for its standard dialogs and buttons (from Qt's
// translations folder, when installed). A chosen language applies from the next start.
class InterfaceLanguage {
public:
    // The languages of the interface, as the player's books speak them: "en", "de", "fr", "es",
    // "zh_CN".
    static const QStringList& codes();
    // A language's name in itself ("Deutsch"); the code itself for one not offered.
    static QString nativeName(const QString& code);

    // The chosen language's code; empty for the system's.
    static QString chosen();
    static void setChosen(const QString& code);

    // The language to speak for a choice (empty: the system's) and the system's languages in
    // order of preference ("de-CH", "fr_FR", "zh-Hans-CN"; QLocale::uiLanguages gives them).
    static QString resolve(const QString& chosen, const QStringList& systemLanguages);
    // resolve for the stored choice and this system.
    static QString current();

    // Installs the language's translations in the application for the life of this object.
    explicit InterfaceLanguage(const QString& code);
    InterfaceLanguage(const InterfaceLanguage&) = delete;
    InterfaceLanguage& operator=(const InterfaceLanguage&) = delete;
    ~InterfaceLanguage();

    // The code of the language installed last ("en" before any): what the templates' own
    // texts are shown in.
    static std::string spoken();

    // How many translation files were installed (Pagewind's and Qt's); 0 for English.
    std::size_t installed() const { return iTranslators.size(); }

private:
    std::vector<std::unique_ptr<QTranslator>> iTranslators;
    std::string iPreviouslySpoken;
};

} // namespace pw
