#pragma once

#include <clocale>
#include <string>

namespace pw::test {

// Switches the whole process to German, a decimal-comma locale, for one scope, as the desktop
// application's QApplication does for a German user. active() is false when the system lacks
// the locale (scripts/install-deps installs locales-all).
class CommaLocale {
public:
    CommaLocale() : iOld(std::setlocale(LC_ALL, nullptr))
    {
        iActive = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;
    ~CommaLocale() { std::setlocale(LC_ALL, iOld.c_str()); }
    bool active() const { return iActive; }

private:
    std::string iOld;
    bool iActive = false;
};

} // namespace pw::test
