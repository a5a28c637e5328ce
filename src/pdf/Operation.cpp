#include "pdf/Operation.h"

#include <exception>

#include "base/Log.h"

namespace pw {

void Operation::run()
{
    if (!isCancelled()) {
        try {
            main();
        } catch (const std::exception& e) {
            // The worker thread must survive a failing operation; the operation reports its own errors.
            PW_LOG_ERROR("background operation failed: %s", e.what());
        }
    }
    iFinished.store(true);
    if (iFinishedHandler)
        iFinishedHandler();
}

} // namespace pw
