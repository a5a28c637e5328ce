#include "base/PagewindException.h"

#include <new>
#include <utility>

namespace pw {

PagewindException::PagewindException(std::string name, std::string reason)
    : std::runtime_error(name + ": " + reason), name_(std::move(name)), reason_(std::move(reason))
{
}

std::string describeCurrentException() noexcept
{
    try {
        try {
            throw;
        } catch (const PagewindException& e) {
            return e.reason();
        } catch (const std::bad_alloc&) {
            return "not enough memory";
        } catch (const std::exception& e) {
            return e.what();
        } catch (...) {
            return "an unexpected error";
        }
    } catch (...) {
        return {};
    }
}

} // namespace pw
