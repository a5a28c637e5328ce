#include "app/AppSettings.h"

#include <QMetaProperty>
#include <memory>
#include <mutex>

#include "base/Log.h"

namespace pw {

namespace {

std::mutex& storeMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::optional<QString>& storePath()
{
    static std::optional<QString> path;
    return path;
}

} // namespace

std::unique_ptr<QSettings> AppSettings::openStore()
{
    const std::lock_guard lock(storeMutex());
    if (storePath())
        return std::make_unique<QSettings>(*storePath(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Pagewind"), QStringLiteral("Pagewind"));
}

AppSettings& AppSettings::shareInstance()
{
    // A function-local static is created under the runtime's own lock, so two threads that
    // ask first at the same time still get one instance.
    static AppSettings instance;
    return instance;
}

void AppSettings::setStorePath(std::optional<QString> path)
{
    const std::lock_guard lock(storeMutex());
    storePath() = std::move(path);
}

AppSettings::AppSettings()
{
    loadSettings();
}

void AppSettings::saveSettings()
{
    const auto store = openStore();
    // The static meta-object: loading also runs from the constructor, where virtual calls
    // do not dispatch.
    const QMetaObject* meta = &AppSettings::staticMetaObject;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QVariant value = property.read(this);
        if (!value.isValid()) {
            PW_LOG_WARN("setting %s could not be read; not saved", property.name());
            continue;
        }
        store->setValue(QString::fromLatin1(property.name()), value);
    }
    store->sync();
    if (store->status() != QSettings::NoError)
        PW_LOG_ERROR("settings could not be written to %s", store->fileName().toUtf8().constData());
}

void AppSettings::loadSettings()
{
    const auto store = openStore();
    // The static meta-object: loading also runs from the constructor, where virtual calls
    // do not dispatch.
    const QMetaObject* meta = &AppSettings::staticMetaObject;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QString key = QString::fromLatin1(property.name());
        const bool isText = property.metaType().id() == QMetaType::QString;
        if (!store->contains(key)) {
            if (isText)
                property.write(this, QString());
            continue;
        }
        QVariant value = store->value(key);
        if (!isText) {
            // An INI store hands numbers back as text; a value that is no number is skipped.
            bool ok = false;
            const int number = value.toInt(&ok);
            if (!ok) {
                PW_LOG_WARN("setting %s holds no number; kept as it was", property.name());
                continue;
            }
            value = number;
        }
        if (!property.write(this, value))
            PW_LOG_WARN("setting %s could not be loaded", property.name());
    }
}

} // namespace pw
