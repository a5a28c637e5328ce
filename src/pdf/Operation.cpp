#include "pdf/Operation.h"

#include <exception>

#include "base/Log.h"
#include "base/PagewindException.h"

namespace pw {

void Operation::run()
{
    if (!isCancelled()) {
        try {
            main();
        } catch (...) {
            // The worker thread must survive a failing operation; the operation reports its own errors.
            PW_LOG_ERROR("background operation failed: %s", describeCurrentException().c_str());
        }
    }
    iFinished.store(true);
    if (iFinishedHandler)
        iFinishedHandler();
}

} // namespace pw
