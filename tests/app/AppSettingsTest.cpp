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
    void storedUnderTheTenKeysAndLoadedBack();
};

void AppSettingsTest::storedUnderTheTenKeysAndLoadedBack()
{
    const pw::test::AppSandbox sandbox;
    const QString path = sandbox.path(QStringLiteral("settings.ini"));
    {
        AppSettings settings;
        settings.saveSettings();
        // Stored files hold these keys (here with the first run's values): a renamed setting
        // would lose what the user chose.
        const QSettings store(path, QSettings::IniFormat);
        QStringList keys;
        for (const QString& key : store.allKeys())
            keys.append(key + QLatin1Char('=') + store.value(key).toString());
        keys.sort();
        QCOMPARE(keys, QStringList({"importBookmark=0", "importLinks=0", "importPageRange=", "importPageRangeType=0",
                                    "importQualityLevel=0", "lastImportedFile=", "lastOutputFileFolder=", "lastOutputFileName=",
                                    "lastOutputFileTitle=", "outputType=0"}));
        settings.setOutputType(1);
        settings.setImportQualityLevel(2);
        settings.setLastOutputFileName(QStringLiteral("Trip"));
        settings.saveSettings();
        settings.setLastOutputFileFolder(QStringLiteral("/never/saved"));
    }
    {
        // Absent, broken and foreign keys leave the others as they are.
        QSettings store(path, QSettings::IniFormat);
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
