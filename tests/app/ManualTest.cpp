// The user manual: every language's page is whole (its links and pictures are there, it has every
// section the English one has and one for each property of the shipped templates, named in its
// language), the reader's languages choose the page, and F1 opens it in its window at the section
// of the property asked about.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTreeView>
#include <QWebEngineView>

#include "AppTestSupport.h"
#include "app/AppEnvironment.h"
#include "app/FlashTemplateOutlineDelegate.h"
#include "app/ImageBrowserView.h"
#include "app/ImageListModel.h"
#include "app/ManualWindow.h"
#include "app/UserManual.h"
#include "base/FileUtil.h"
#include "base/ResourceFolder.h"
#include "project/TemplateTree.h"
#include "template/FlashTemplate.h"
#include "template/FlashTemplateProperty.h"

using pw::Leafreel_for_macAppDelegate;
using pw::test::evaluate;

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

public:
    static void initMain() { pw::prepareWebEngineEnvironment(); }

private slots:
    void everyLanguageIsWhole_data();
    void everyLanguageIsWhole();
    void theReadersLanguagesChooseThePage_data();
    void theReadersLanguagesChooseThePage();
    void f1OpensTheManualAtThePropertyAsked();
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

void ManualTest::f1OpensTheManualAtThePropertyAsked()
{
    const pw::test::AppSandbox sandbox;
    pw::test::StartedWindow started(true);
    Leafreel_for_macAppDelegate& window = started.window;
    // The window as the manual shows it: pictures in the list, the book in the preview.
    window.resize(1400, 860);
    window.browserData()->addPictures(pw::test::demoPictures());
    window.browserView()->clearSelection();
    QTRY_VERIFY_WITH_TIMEOUT(evaluate(window.webView(), QStringLiteral("document.querySelectorAll('img').length")).toInt() > 0, 30000);
    QTest::qWait(1500);  // the thumbnails and the first spread
    QVERIFY(window.grab().save(pw::test::screenshotFolder() + QStringLiteral("/window-with-pictures.png")));
    QTreeView* tree = window.outlineView();
    auto* model = qobject_cast<pw::FlashTemplateOutlineDelegate*>(tree->model());
    QModelIndex colours;
    for (int row = 0; row < model->rowCount() && !colours.isValid(); ++row)
        colours = model->propertyAt(model->index(row, 0))->key() == "colors" ? model->index(row, 0) : colours;
    const QModelIndex background = model->index(0, pw::FlashTemplateOutlineDelegate::valueColumn, colours);

    // Each row: where the mouse or the focus is, and the section F1 opens.
    QWidget* pictureList = window.browserView();
    const QPoint pageWidth = tree->visualRect(model->index(0, 0)).center();
    struct Row {
        const char* name;
        std::function<void()> place;
        QString section;
    };
    const Row rows[] = {
        {"the mouse over the page width, the focus elsewhere",
         [&] { pictureList->setFocus(); QTest::mouseMove(tree->viewport(), pageWidth); }, "property-pageWidth"},
        {"the focus in the picture list: the top", [&] { QTest::mouseMove(pictureList); pictureList->setFocus(); }, {}},
        {"a colour current in the property list", [&] { tree->setFocus(); tree->setCurrentIndex(background); },
         "property-backgroundColor"},
        {"a property the manual does not know: its group",
         [&] { model->propertyAt(background)->setKey("veilColour"); tree->setFocus(); }, "property-colors"},
    };
    for (const Row& row : rows) {
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        row.place();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        pw::ManualWindow* manual = window.manualWindow();
        QVERIFY2(manual && manual->isVisible(), row.name);
        QUrl expected = QUrl::fromLocalFile(manualPage(QStringLiteral("en")));
        if (!row.section.isEmpty())
            expected.setFragment(row.section);
        QTRY_COMPARE(manual->view()->url(), expected);
        // The section is there and scrolled to.
        const QString scrolled = QStringLiteral("document.readyState === 'complete' && (location.hash === '' ? scrollY === 0 : "
                                                "Math.abs(document.querySelector(location.hash).getBoundingClientRect().top) < 40)");
        QTRY_VERIFY2_WITH_TIMEOUT(evaluate(manual->view(), scrolled).toBool(), row.name, 20000);
        if (row.section == QLatin1String("property-backgroundColor"))
            QVERIFY(manual->grab().save(pw::test::screenshotFolder() + QStringLiteral("/manual-window.png")));
        manual->close();
    }

    // Without the manual F1 says where it was looked for.
    pw::resources::setResourceFolder(sandbox.path().toStdString());
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    const QList<QMessageBox*> boxes = window.findChildren<QMessageBox*>();
    QVERIFY(!boxes.isEmpty() && boxes.last()->text().contains(sandbox.path(QStringLiteral("manual"))));
    QVERIFY(!window.manualWindow()->isVisible());
}

QTEST_MAIN(ManualTest)
#include "ManualTest.moc"
