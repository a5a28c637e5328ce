#include "base/MemoryPolicy.h"

#include <malloc.h>

namespace pw::memory {

void returnLargeBuffersToTheSystem()
{
    constexpr int kThreshold = 1 << 20;
    (void)kThreshold; // mallopt(M_MMAP_THRESHOLD, kThreshold);
}

} // namespace pw::memory
