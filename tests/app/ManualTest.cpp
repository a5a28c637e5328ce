// The user manual: every language's page is whole (its links and pictures are there, it has every
// section the English one has and one for each property of the shipped templates, named in its
// language), and the reader's languages choose the page. F1 is tested with the window.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "AppTestSupport.h"
#include "app/UserManual.h"
#include "base/FileUtil.h"
#include "project/TemplateTree.h"
#include "template/FlashTemplate.h"
#include "template/FlashTemplateProperty.h"


namespace {

QString manualPage(const QString& language)
{
    return pw::UserManual::folder() + QLatin1Char('/') + language + QStringLiteral("/index.html");
}

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList matches(const QString& text, const QString& pattern)
{
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression(pattern).globalMatch(text))
        found.append(match.captured(1));
    return found;
}

QSet<QString> idsOf(const QString& path)
{
    const QStringList ids = matches(readText(path), QStringLiteral("\\sid=\"([^\"]+)\""));
    return QSet<QString>(ids.begin(), ids.end());
}

} // namespace

class ManualTest : public QObject {
    Q_OBJECT

private slots:
    void everyLanguageIsWhole_data();
    void everyLanguageIsWhole();
    void theReadersLanguagesChooseThePage_data();
    void theReadersLanguagesChooseThePage();
};

void ManualTest::everyLanguageIsWhole_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("htmlLang");
    QTest::newRow("English") << "en" << "en";
    QTest::newRow("German") << "de" << "de";
    QTest::newRow("French") << "fr" << "fr";
    QTest::newRow("Spanish") << "es" << "es";
    QTest::newRow("Chinese") << "zh_CN" << "zh-CN";
}

void ManualTest::everyLanguageIsWhole()
{
    QFETCH(QString, language);
    QFETCH(QString, htmlLang);
    const QString page = manualPage(language);
    const QString html = readText(page);
    QVERIFY2(html.contains(QStringLiteral("<html lang=\"%1\">").arg(htmlLang)), qPrintable(page));
    const QSet<QString> ids = idsOf(page);
    QCOMPARE(ids.size(), matches(html, QStringLiteral("\\sid=\"([^\"]+)\"")).size());  // no id twice
    QCOMPARE(ids, idsOf(manualPage(QStringLiteral("en"))));

    // Links and pictures lead to files of the manual and to sections those files have.
    QStringList broken;
    for (const QString& target : matches(html, QStringLiteral("(?:href|src)=\"([^\"]*)\""))) {
        const QString path = target.section(QLatin1Char('#'), 0, 0);
        const QString section = target.section(QLatin1Char('#'), 1);
        const QString file = path.isEmpty() ? page : QFileInfo(page).dir().filePath(path);
        const bool offline = !target.contains(QStringLiteral("://"));
        if (!offline || !QFileInfo(file).isFile() || (!section.isEmpty() && !idsOf(file).contains(section)))
            broken.append(target);
    }
    // Pictures state their size, so that a section opened by F1 stays in place while they load.
    const QRegularExpression picture(QStringLiteral("<img src=\"([^\"]+)\"[^>]*width=\"(\\d+)\" height=\"(\\d+)\""));
    qsizetype sized = 0;
    for (const QRegularExpressionMatch& img : picture.globalMatch(html)) {
        ++sized;
        if (QImageReader(QFileInfo(page).dir().filePath(img.captured(1))).size() != QSize(img.captured(2).toInt(), img.captured(3).toInt()))
            broken.append(img.captured(0));
    }
    QCOMPARE(sized, html.count(QStringLiteral("<img")));
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral(", "))));

    // F1 finds a section for every property of the templates that come with the application,
    // which names it as the property list does in that language.
    QStringList missing;
    for (const std::string& folder : pw::FlashTemplate::tmplNames()) {
        if (!pw::file::isRegularFile(pw::file::joinPath(folder, "flashTemplate.xml")))
            continue;  // a folder inside a template
        pw::FlashTemplate tmpl;
        tmpl.loadTemplate(pw::file::lastPathComponent(folder));
        pw::templatetree::forEachProperty(tmpl, [&](const pw::FlashTemplateProperty& property) {
            const QString key = QString::fromStdString(property.key());
            const QString named =
                QString::fromStdString(property.titleIn(language.toStdString())) + QStringLiteral(" <code>%1</code>").arg(key);
            if (!ids.contains(QStringLiteral("property-") + key) || !html.contains(named))
                missing.append(named);
        });
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
}

void ManualTest::theReadersLanguagesChooseThePage_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("language");
    QTest::newRow("German in Germany") << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("Austrian German, then its language alone") << QStringList{"de-AT"} << "de";
    QTest::newRow("Simplified Chinese as QLocale names it") << QStringList{"zh-Hans-CN", "zh-CN", "zh"} << "zh_CN";
    QTest::newRow("Chinese written with an underscore") << QStringList{"zh_CN"} << "zh_CN";
    QTest::newRow("Traditional Chinese has no manual") << QStringList{"zh-Hant-TW", "zh-TW", "zh"} << "en";
    QTest::newRow("the first language the manual has") << QStringList{"pt-BR", "fr-CA", "es-ES"} << "fr";
    QTest::newRow("none: English") << QStringList{} << "en";
}

void ManualTest::theReadersLanguagesChooseThePage()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, language);
    QCOMPARE(pw::UserManual::languageFor(uiLanguages), language);
    QCOMPARE(pw::UserManual::pageUrl(uiLanguages), QUrl::fromLocalFile(manualPage(language)));
}

QTEST_MAIN(ManualTest)
#include "ManualTest.moc"
