#include "LargePages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace korvale {

void PreferLargePages(void* data, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t kLargePage = std::uintptr_t{2} * 1024 * 1024;
  const auto begin = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t skip = (kLargePage - begin % kLargePage) % kLargePage;
  if (bytes <= skip) return;
  const std::size_t whole = (bytes - skip) / kLargePage * kLargePage;
  // A hint only: when the system refuses it, pages stay small.
  if (whole > 0) madvise(static_cast<char*>(data) + skip, whole, MADV_HUGEPAGE);
#else
  (void)data;
  (void)bytes;
#endif
}

}  // namespace korvale
