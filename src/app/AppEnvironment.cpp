#include "app/AppEnvironment.h"

#include <QByteArray>
#include <QtGlobal>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "base/Log.h"
#include "base/PlatformPaths.h"
#include "base/ResourceFolder.h"

namespace pw {

void prepareWebEngineEnvironment()
{
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
}

void prepareLog()
{
    const char* const APP_NAME = "Pagewind for Mac";
    const std::filesystem::path logPath = std::filesystem::path(platform::userApplicationSupportFolder()) /
                                          "Quirewright" / "Leafreel" / (std::string(APP_NAME) + ".log");
    std::error_code ignored;
    std::filesystem::create_directories(logPath.parent_path(), ignored);
    log::configureFromProperties(resources::resourceFolder() + "/logging.properties", logPath.string());
}

} // namespace pw
