#include "app/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include "app/AppSettings.h"
#include "base/Log.h"

namespace pw {

namespace {
// Beside the ten settings, in the application's own store.
const QString kLanguageKey = QStringLiteral("interface/language");

std::string& spokenCode()
{
    static std::string code = "en";
    return code;
}
} // namespace

std::string InterfaceLanguage::spoken()
{
    return spokenCode();
}

const QStringList& InterfaceLanguage::codes()
{
    static const QStringList languages{QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
                                       QStringLiteral("zh_CN")};
    return languages;
}

QString InterfaceLanguage::nativeName(const QString& code)
{
    if (code == QLatin1String("en"))
        return QStringLiteral("English");
    if (code == QLatin1String("de"))
        return QStringLiteral("Deutsch");
    if (code == QLatin1String("fr"))
        return QStringLiteral("Français");
    if (code == QLatin1String("es"))
        return QStringLiteral("Español");
    if (code == QLatin1String("zh_CN"))
        return QStringLiteral("简体中文");
    return code;
}

QString InterfaceLanguage::chosen()
{
    const QString code = AppSettings::openStore()->value(kLanguageKey).toString();
    return codes().contains(code) ? code : QString();
}

void InterfaceLanguage::setChosen(const QString& code)
{
    AppSettings::openStore()->setValue(kLanguageKey, codes().contains(code) ? code : QString());
}

QString InterfaceLanguage::resolve(const QString& chosen, const QStringList& systemLanguages)
{
    if (codes().contains(chosen))
        return chosen;
    for (const QString& language : systemLanguages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::Chinese) {
            // Simplified Chinese is what we speak; traditional script is not offered.
            if (locale.script() != QLocale::TraditionalChineseScript && locale.territory() != QLocale::Taiwan &&
                locale.territory() != QLocale::HongKong && locale.territory() != QLocale::Macau)
                return QStringLiteral("zh_CN");
            continue;
        }
        const QString code = QLocale::languageToCode(locale.language());
        if (codes().contains(code))
            return code;
    }
    return QStringLiteral("en");
}

QString InterfaceLanguage::current()
{
    return resolve(chosen(), QLocale::system().uiLanguages());
}

InterfaceLanguage::InterfaceLanguage(const QString& code) : iPreviouslySpoken(spokenCode())
{
    spokenCode() = code.toStdString();
    // English is the source language, with its plural forms in a translation file of its own.
    const std::pair<QString, QString> files[] = {
        {QStringLiteral("pagewind_") + code, QStringLiteral(":/i18n")},
        {QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
        {QStringLiteral("qtwebengine_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)}};
    for (const auto& [name, folder] : files) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(name, folder)) {
            if (code != QLatin1String("en") || name.startsWith(QLatin1String("pagewind")))
                PW_LOG_INFO("no translation %s in %s", name.toUtf8().constData(), folder.toUtf8().constData());
            continue;
        }
        QCoreApplication::installTranslator(translator.get());
        iTranslators.push_back(std::move(translator));
    }
}

InterfaceLanguage::~InterfaceLanguage()
{
    spokenCode() = iPreviouslySpoken;
    for (const auto& translator : iTranslators)
        QCoreApplication::removeTranslator(translator.get());
}

} // namespace pw
