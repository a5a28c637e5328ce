#include "base/PagewindException.h"

#include <utility>

namespace pw {

PagewindException::PagewindException(std::string name, std::string reason)
    : std::runtime_error(name + ": " + reason), name_(std::move(name)), reason_(std::move(reason))
{
}

} // namespace pw
