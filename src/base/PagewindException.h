#pragma once

#include <stdexcept>
#include <string>

namespace pw {

// The one exception type of the project. Callers compare name(), never parse what():
// for example name "ERROR_INIT_OUTLINES" with reason "Not a flash outline".
class PagewindException : public std::runtime_error {
public:
    PagewindException(std::string name, std::string reason);

    const std::string& name() const noexcept { return name_; }
    const std::string& reason() const noexcept { return reason_; }

private:
    std::string name_;
    std::string reason_;
};

// Inside a catch block: what the exception being handled says, in words for a message (the
// reason of ours, "not enough memory" for std::bad_alloc, what() of other standard ones).
// Never throws; gives an empty text when even that cannot be made.
std::string describeCurrentException() noexcept;

} // namespace pw
