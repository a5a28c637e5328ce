#include "base/Log.h"

#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <vector>

#include <log4cplus/configurator.h>
#include <log4cplus/consoleappender.h>
#include <log4cplus/helpers/property.h>
#include <log4cplus/initializer.h>
#include <log4cplus/layout.h>
#include <log4cplus/logger.h>
#include <log4cplus/loggingmacros.h>

namespace pw::log {
namespace {

log4cplus::Logger& logger()
{
    // log4cplus must be initialised before its first logger and shut down after the last.
    static log4cplus::Initializer initializer;
    static log4cplus::Logger instance = log4cplus::Logger::getInstance(LOG4CPLUS_TEXT("Pagewind"));
    return instance;
}

log4cplus::LogLevel toLog4cplus(Level level)
{
    switch (level) {
    case Level::debug: return log4cplus::DEBUG_LOG_LEVEL;
    case Level::info: return log4cplus::INFO_LOG_LEVEL;
    case Level::warn: return log4cplus::WARN_LOG_LEVEL;
    case Level::error: return log4cplus::ERROR_LOG_LEVEL;
    }
    return log4cplus::ERROR_LOG_LEVEL;
}

bool& configured()
{
    static bool value = false;
    return value;
}

void ensureConfigured()
{
    if (!configured())
        configureConsole();
}

} // namespace

void configureConsole(Level threshold)
{
    logger();
    log4cplus::Logger root = log4cplus::Logger::getRoot();
    root.removeAllAppenders();
    log4cplus::SharedAppenderPtr console(new log4cplus::ConsoleAppender(true, true));
    console->setLayout(std::make_unique<log4cplus::PatternLayout>(LOG4CPLUS_TEXT("%-5p %b:%L %M - %m%n")));
    root.addAppender(console);
    root.setLogLevel(toLog4cplus(threshold));
    configured() = true;
}

bool configureFromProperties(const std::string& propertiesFile, const std::string& logFilePath)
{
    logger();
    std::error_code error;
    if (!std::filesystem::is_regular_file(propertiesFile, error)) {
        configureConsole();
        return false;
    }
    log4cplus::helpers::Properties properties(LOG4CPLUS_C_STR_TO_TSTRING(propertiesFile));
    properties.setProperty(LOG4CPLUS_TEXT("log4cplus.appender.QuirewrightFileLog.File"),
                           LOG4CPLUS_C_STR_TO_TSTRING(logFilePath));
    log4cplus::Logger::getRoot().removeAllAppenders();
    log4cplus::PropertyConfigurator configurator(properties);
    configurator.configure();
    configured() = true;
    return true;
}

bool isEnabled(Level level)
{
    ensureConfigured();
    return logger().isEnabledFor(toLog4cplus(level));
}

void write(Level level, const char* file, int line, const char* function, const std::string& message)
{
    ensureConfigured();
    const log4cplus::LogLevel l4level = toLog4cplus(level);
    if (!logger().isEnabledFor(l4level))
        return;
    logger().forcedLog(l4level, LOG4CPLUS_STRING_TO_TSTRING(message), file, line, function);
}

std::string format(const char* fmt, ...)
{
    // Two passes over the arguments, each with its own va_start: one to measure, one to write.
    va_list args;
    va_start(args, fmt);
    // The analyzer of clang 14 misreads va_list (an array on x86-64) as uninitialised here.
    const int length = std::vsnprintf(nullptr, 0, fmt, args);  // NOLINT(clang-analyzer-valist.Uninitialized)
    va_end(args);
    if (length <= 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    va_start(args, fmt);
    std::vsnprintf(buffer.data(), buffer.size(), fmt, args);  // NOLINT(clang-analyzer-valist.Uninitialized)
    va_end(args);
    return std::string(buffer.data(), static_cast<size_t>(length));
}

} // namespace pw::log
