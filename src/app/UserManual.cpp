#include "app/UserManual.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "base/ResourceFolder.h"

namespace pw::UserManual {

namespace {

constexpr const char* kPage = "index.html";
constexpr const char* kPropertiesSection = "properties";

QString pagePath(const QString& language)
{
    return QDir(folder()).filePath(language + QLatin1Char('/') + QLatin1String(kPage));
}

// The first section of the page among "property-KEY" for the keys, in order; the properties
// section when there is none. The page is read at each request: it is small, and an installed
// manual may be replaced while the application runs.
QString sectionFor(const QString& page, const QStringList& keys)
{
    QFile file(page);
    if (!file.open(QIODevice::ReadOnly))
        return QString::fromLatin1(kPropertiesSection);
    const QByteArray html = file.readAll();
    for (const QString& key : keys) {
        const QString id = QStringLiteral("property-") + key;
        if (html.contains(QStringLiteral("id=\"%1\"").arg(id).toUtf8()))
            return id;
    }
    return QString::fromLatin1(kPropertiesSection);
}

} // namespace

QString folder()
{
    return QDir(QString::fromStdString(resources::resourceFolder())).filePath(QStringLiteral("manual"));
}

QString languageFor(const QStringList& uiLanguages)
{
    for (const QString& language : uiLanguages) {
        QStringList parts = language.split(QRegularExpression(QStringLiteral("[-_]")), Qt::SkipEmptyParts);
        for (; !parts.isEmpty(); parts.removeLast()) {
            const QString name = parts.join(QLatin1Char('_'));
            if (QFileInfo::exists(pagePath(name)))
                return name;
        }
    }
    return QStringLiteral("en");
}

QUrl pageUrl(const QStringList& uiLanguages, const QStringList& propertyKeys)
{
    const QString page = pagePath(languageFor(uiLanguages));
    if (!QFileInfo(page).isFile())
        return {};
    QUrl url = QUrl::fromLocalFile(page);
    if (!propertyKeys.isEmpty())
        url.setFragment(sectionFor(page, propertyKeys));
    return url;
}

} // namespace pw::UserManual
