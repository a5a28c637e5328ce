// The persisted settings: the keys and first-run values stored, absent, broken and foreign keys,
// nothing stored before saveSettings; the interface language chosen. The sheets' tests load back
// what each sheet saves.
#include <QSettings>
#include <QTest>

#include "AppTestSupport.h"
#include "app/AppSettings.h"
#include "app/InterfaceLanguage.h"

using pw::AppSettings;

class AppSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void storedUnderTheTenKeysAndLoadedBack();
    void theLanguageIsTheChosenOneElseTheSystemsElseEnglish_data();
    void theLanguageIsTheChosenOneElseTheSystemsElseEnglish();
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

void AppSettingsTest::theLanguageIsTheChosenOneElseTheSystemsElseEnglish_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("the system's first we speak") << "" << QStringList{"pt-BR", "de-CH", "fr-FR"} << "de";
    QTest::newRow("chosen over the system") << "es" << QStringList{"de-DE"} << "es";
    QTest::newRow("a choice not offered") << "xx" << QStringList{"fr_CA"} << "fr";
    QTest::newRow("simplified Chinese") << "" << QStringList{"zh-Hans-CN"} << "zh_CN";
    QTest::newRow("traditional Chinese is not spoken") << "" << QStringList{"zh-TW", "es-MX"} << "es";
    QTest::newRow("nothing we speak") << "" << QStringList{"ja-JP"} << "en";
}

void AppSettingsTest::theLanguageIsTheChosenOneElseTheSystemsElseEnglish()
{
    QFETCH(QString, chosen);
    QFETCH(QStringList, system);
    QFETCH(QString, spoken);
    QCOMPARE(pw::InterfaceLanguage::resolve(chosen, system), spoken);
    // The choice is kept in the store; one not offered counts as none.
    const pw::test::AppSandbox sandbox;
    pw::InterfaceLanguage::setChosen(chosen);
    QCOMPARE(pw::InterfaceLanguage::chosen(), pw::InterfaceLanguage::codes().contains(chosen) ? chosen : QString());
}

QTEST_MAIN(AppSettingsTest)
#include "AppSettingsTest.moc"
