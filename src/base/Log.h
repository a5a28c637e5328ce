#pragma once

#include <string>

namespace pw::log {

enum class Level { debug, info, warn, error };

// Configures logging from a log4cplus properties file. The key
// "log4cplus.appender.QuirewrightFileLog.File" is set to logFilePath before configuring,
// so the file appender writes where the program decides. Returns false (and falls back to
// warnings on standard error) when the properties file cannot be read.
bool configureFromProperties(const std::string& propertiesFile, const std::string& logFilePath);

// Warnings and errors to standard error; used until (or instead of) a properties file.
void configureConsole(Level threshold = Level::warn);

bool isEnabled(Level level);
void write(Level level, const char* file, int line, const char* function, const std::string& message);

// printf-style formatting into a std::string.
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

} // namespace pw::log

// Debug and info records are formatted only when their level is enabled.
#define PW_LOG_AT_(level, ...)                                                                     \
    do {                                                                                           \
        if (::pw::log::isEnabled(level))                                                           \
            ::pw::log::write(level, __FILE__, __LINE__, __func__, ::pw::log::format(__VA_ARGS__)); \
    } while (0)

#define PW_LOG_DEBUG(...) PW_LOG_AT_(::pw::log::Level::debug, __VA_ARGS__)
#define PW_LOG_INFO(...) PW_LOG_AT_(::pw::log::Level::info, __VA_ARGS__)
#define PW_LOG_WARN(...) \
    ::pw::log::write(::pw::log::Level::warn, __FILE__, __LINE__, __func__, ::pw::log::format(__VA_ARGS__))
#define PW_LOG_ERROR(...) \
    ::pw::log::write(::pw::log::Level::error, __FILE__, __LINE__, __func__, ::pw::log::format(__VA_ARGS__))
