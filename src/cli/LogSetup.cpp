#include "cli/LogSetup.h"

#include <log4cplus/logger.h>

#include "base/Log.h"

namespace pw::cli {

void setUpLogging(bool verbose)
{
    log::configureConsole(log::Level::warn);
    if (!verbose)
        log4cplus::Logger::getRoot().setLogLevel(log4cplus::OFF_LOG_LEVEL);
}

} // namespace pw::cli
