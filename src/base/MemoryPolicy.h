#pragma once

namespace pw::memory {

// Page pictures are buffers of several megabytes made and freed for every page. glibc raises
// its mmap threshold after the first such free and then serves them from its heaps, where
// freed space is kept; the resident size then drifts up with the page count. A fixed threshold
// keeps every large buffer mapped on its own and returned at once. Call early in main.
void returnLargeBuffersToTheSystem();

} // namespace pw::memory
