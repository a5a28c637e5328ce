// The persisted settings: the keys and first-run values stored, absent, broken and foreign keys,
// nothing stored before saveSettings. The sheets' tests load back what each sheet saves.
#include <QSettings>
#include <QTest>

#include "AppTestSupport.h"
#include "app/AppSettings.h"

using pw::AppSettings;

class AppSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunStoresTheTenKeys();
    void absentBrokenAndUnsavedValuesKeepTheOthers();
};

void AppSettingsTest::firstRunStoresTheTenKeys()
{
    // Stored files hold these keys: a renamed setting would lose what the user chose.
    const pw::test::AppSandbox sandbox;
    AppSettings().saveSettings();
    const QSettings store(sandbox.path(QStringLiteral("settings.ini")), QSettings::IniFormat);
    QStringList stored;
    for (const QString& key : store.allKeys())
        stored.append(key + QLatin1Char('=') + store.value(key).toString());
    stored.sort();
    QCOMPARE(stored, QStringList({"importBookmark=0", "importLinks=0", "importPageRange=", "importPageRangeType=0",
                                  "importQualityLevel=0", "lastImportedFile=", "lastOutputFileFolder=", "lastOutputFileName=",
                                  "lastOutputFileTitle=", "outputType=0"}));
}

void AppSettingsTest::absentBrokenAndUnsavedValuesKeepTheOthers()
{
    const pw::test::AppSandbox sandbox;
    {
        AppSettings settings;
        settings.setOutputType(1);
        settings.setImportQualityLevel(2);
        settings.setLastOutputFileName(QStringLiteral("Trip"));
        settings.saveSettings();
        settings.setLastOutputFileFolder(QStringLiteral("/never/saved"));
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
    QCOMPARE(loaded.lastOutputFileFolder(), QString());
}

QTEST_MAIN(AppSettingsTest)
#include "AppSettingsTest.moc"
