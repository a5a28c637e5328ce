// The persisted settings: defaults, round trip, absent and foreign keys.
#include <QMetaProperty>
#include <QSettings>
#include <QTest>

#include "AppTestSupport.h"
#include "app/AppSettings.h"

using pw::AppSettings;

class AppSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void exactlyTheTenSettings();
    void firstRunGivesDefaults();
    void roundTrip();
    void absentAndBrokenKeysKeepTheOthers();
    void unsavedChangesAreLost();
};

void AppSettingsTest::exactlyTheTenSettings()
{
    const pw::test::AppSandbox sandbox;
    AppSettings settings;
    QStringList keys;
    const QMetaObject* meta = settings.metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        keys.append(QString::fromLatin1(meta->property(i).name()) + QLatin1Char(':') +
                    QString::fromLatin1(meta->property(i).typeName()));
    QCOMPARE(keys, QStringList({"lastImportedFile:QString", "importPageRangeType:int", "importPageRange:QString",
                                "importQualityLevel:int", "lastOutputFileFolder:QString", "lastOutputFileName:QString",
                                "lastOutputFileTitle:QString", "outputType:int", "importBookmark:int",
                                "importLinks:int"}));
}

void AppSettingsTest::firstRunGivesDefaults()
{
    const pw::test::AppSandbox sandbox;
    const AppSettings settings;
    QCOMPARE(settings.lastImportedFile(), QString());
    QCOMPARE(settings.lastOutputFileFolder(), QString());
    QCOMPARE(settings.importPageRangeType(), 0);
    QCOMPARE(settings.outputType(), 0);
    QCOMPARE(settings.importLinks(), 0);
}

void AppSettingsTest::roundTrip()
{
    const pw::test::AppSandbox sandbox;
    {
        AppSettings settings;
        settings.setLastImportedFile(QStringLiteral("/books/ü trip.pdf"));
        settings.setImportPageRangeType(1);
        settings.setImportPageRange(QStringLiteral("1-3,5"));
        settings.setImportQualityLevel(3);
        settings.setLastOutputFileFolder(QStringLiteral("/out"));
        settings.setLastOutputFileName(QStringLiteral("Trip"));
        settings.setLastOutputFileTitle(QStringLiteral("Our trip = fun"));
        settings.setOutputType(1);
        settings.setImportBookmark(1);
        settings.setImportLinks(-1);
        settings.saveSettings();
    }
    const AppSettings loaded;
    QCOMPARE(loaded.lastImportedFile(), QStringLiteral("/books/ü trip.pdf"));
    QCOMPARE(loaded.importPageRangeType(), 1);
    QCOMPARE(loaded.importPageRange(), QStringLiteral("1-3,5"));
    QCOMPARE(loaded.importQualityLevel(), 3);
    QCOMPARE(loaded.lastOutputFileFolder(), QStringLiteral("/out"));
    QCOMPARE(loaded.lastOutputFileName(), QStringLiteral("Trip"));
    QCOMPARE(loaded.lastOutputFileTitle(), QStringLiteral("Our trip = fun"));
    QCOMPARE(loaded.outputType(), 1);
    QCOMPARE(loaded.importBookmark(), 1);
    QCOMPARE(loaded.importLinks(), -1);
}

void AppSettingsTest::absentAndBrokenKeysKeepTheOthers()
{
    const pw::test::AppSandbox sandbox;
    {
        AppSettings settings;
        settings.setOutputType(1);
        settings.setImportQualityLevel(2);
        settings.setLastOutputFileName(QStringLiteral("Trip"));
        settings.saveSettings();
    }
    {
        QSettings store(sandbox.path(QStringLiteral("settings.ini")), QSettings::IniFormat);
        store.remove(QStringLiteral("outputType"));
        store.setValue(QStringLiteral("importQualityLevel"), QStringLiteral("high"));
        store.setValue(QStringLiteral("somethingElse"), 42);
    }
    const AppSettings loaded;
    QCOMPARE(loaded.outputType(), 0);
    QCOMPARE(loaded.importQualityLevel(), 0);
    QCOMPARE(loaded.lastOutputFileName(), QStringLiteral("Trip"));
}

void AppSettingsTest::unsavedChangesAreLost()
{
    const pw::test::AppSandbox sandbox;
    {
        AppSettings settings;
        settings.setLastOutputFileFolder(QStringLiteral("/never/saved"));
    }
    QCOMPARE(AppSettings().lastOutputFileFolder(), QString());
}

QTEST_MAIN(AppSettingsTest)
#include "AppSettingsTest.moc"
