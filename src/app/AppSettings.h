#pragma once

#include <QObject>
#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

namespace pw {

// The choices of the publish and import dialogs that survive from one run to the next. The
// settings are exactly the Q_PROPERTYs below: saving and loading enumerate the meta-object,
// so a property added here is stored with no further code. Nothing is stored until
// saveSettings; values are read and written on the main thread.
class AppSettings final : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString lastImportedFile READ lastImportedFile WRITE setLastImportedFile)
    Q_PROPERTY(int importPageRangeType READ importPageRangeType WRITE setImportPageRangeType)
    Q_PROPERTY(QString importPageRange READ importPageRange WRITE setImportPageRange)
    Q_PROPERTY(int importQualityLevel READ importQualityLevel WRITE setImportQualityLevel)
    Q_PROPERTY(QString lastOutputFileFolder READ lastOutputFileFolder WRITE setLastOutputFileFolder)
    Q_PROPERTY(QString lastOutputFileName READ lastOutputFileName WRITE setLastOutputFileName)
    Q_PROPERTY(QString lastOutputFileTitle READ lastOutputFileTitle WRITE setLastOutputFileTitle)
    Q_PROPERTY(int outputType READ outputType WRITE setOutputType)
    Q_PROPERTY(int importBookmark READ importBookmark WRITE setImportBookmark)
    Q_PROPERTY(int importLinks READ importLinks WRITE setImportLinks)

public:
    // The one instance, made (and loaded) on the first call.
    static AppSettings& shareInstance();

    // Where the store lives: an INI file at the path, or the user's store for the application
    // when none. Tests point it at a temporary file; takes effect at the next save or load.
    static void setStorePath(std::optional<QString> path);
    // The store itself, for what the application remembers beside the settings (window
    // geometry, recent projects, dialog folders); keys of its own never clash with a setting.
    static std::unique_ptr<QSettings> openStore();

    // Every declared property into the store, then flushed to disk. A setting that cannot be
    // stored is skipped and the others are still saved.
    void saveSettings();
    // Every declared property from the store. An absent key leaves an integer setting as it
    // is and makes a text setting empty.
    void loadSettings();

    const QString& lastImportedFile() const { return iLastImportedFile; }
    void setLastImportedFile(const QString& value) { iLastImportedFile = value; }
    int importPageRangeType() const { return iImportPageRangeType; }
    void setImportPageRangeType(int value) { iImportPageRangeType = value; }
    const QString& importPageRange() const { return iImportPageRange; }
    void setImportPageRange(const QString& value) { iImportPageRange = value; }
    int importQualityLevel() const { return iImportQualityLevel; }
    void setImportQualityLevel(int value) { iImportQualityLevel = value; }
    const QString& lastOutputFileFolder() const { return iLastOutputFileFolder; }
    void setLastOutputFileFolder(const QString& value) { iLastOutputFileFolder = value; }
    const QString& lastOutputFileName() const { return iLastOutputFileName; }
    void setLastOutputFileName(const QString& value) { iLastOutputFileName = value; }
    const QString& lastOutputFileTitle() const { return iLastOutputFileTitle; }
    void setLastOutputFileTitle(const QString& value) { iLastOutputFileTitle = value; }
    int outputType() const { return iOutputType; }
    void setOutputType(int value) { iOutputType = value; }
    int importBookmark() const { return iImportBookmark; }
    void setImportBookmark(int value) { iImportBookmark = value; }
    int importLinks() const { return iImportLinks; }
    void setImportLinks(int value) { iImportLinks = value; }

    // A fresh instance with every setting zeroed and then loaded; shareInstance makes the
    // shared one this way, tests make their own.
    AppSettings();

private:
    QString iLastImportedFile;
    int iImportPageRangeType = 0;
    QString iImportPageRange;
    int iImportQualityLevel = 0;
    QString iLastOutputFileFolder;
    QString iLastOutputFileName;
    QString iLastOutputFileTitle;
    int iOutputType = 0;
    int iImportBookmark = 0;
    int iImportLinks = 0;
};

} // namespace pw
