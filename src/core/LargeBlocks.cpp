#include "LargeBlocks.h"

// Any header of the C library defines __GLIBC__ where it is the GNU one.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace svidary {

void ReturnLargeBlocksWhenFreed() {
#if defined(__GLIBC__)
    // Setting the threshold fixes it: the C library no longer moves it on its own.
    constexpr int LargeBlock = 1 << 20;
    mallopt(M_MMAP_THRESHOLD, LargeBlock);
#endif
}

} // namespace svidary
