// The program's own operator new and delete. A block of 256 KiB or
// more (an import's planned writes, its change set, its journal, the
// pieces of the roster read at once) is mapped on its own, in whole 2 MB
// pages that the system is asked to back with large pages: filling it then
// costs one page fault per 2 MB instead of one per 4 KB, which is most of
// what a large import costs the system. A deleted block is kept for the
// next block that fits, so the journal written after the change set reuses
// pages that are already backed. Smaller blocks, and any block
// when the system refuses, come from malloc as before. Only on Linux, and
// not under the address sanitizer, which keeps operator new for itself.

#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)

#include <sys/mman.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <new>

namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20;
constexpr std::size_t kLargeBlock = std::size_t{256} << 10;

struct Block {
  void* data = nullptr;
  std::size_t length = 0;
};

// The blocks mapped and not yet deleted; beyond this many, malloc.
std::mutex liveMutex;
std::array<Block, 64> live;
std::size_t liveCount = 0;
// Deleted blocks kept mapped for the next that fits: their pages are
// already backed, so reusing them costs no page faults and no zeroing.
std::array<Block, 8> spare;
std::size_t spareCount = 0;
constexpr std::size_t kSpareBytes = std::size_t{32} << 20;

std::size_t RoundUp(std::size_t n, std::size_t to) { return (n + to - 1) / to * to; }

// `length` bytes that start on a large page, or null.
void* MapAligned(std::size_t length) {
  void* raw = mmap(nullptr, length + kLargePage, PROT_READ | PROT_WRITE,
                   MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<std::uintptr_t>(raw);
  const std::size_t head = RoundUp(start, kLargePage) - start;
  char* aligned = static_cast<char*>(raw) + head;
  if (head > 0) munmap(raw, head);
  if (kLargePage - head > 0) munmap(aligned + length, kLargePage - head);
  madvise(aligned, length, MADV_HUGEPAGE);  // a hint: refused, the pages stay small
  return aligned;
}

// The spare block that fits `length` most closely, taken from the spares;
// null when none is large enough.
void* TakeSpare(std::size_t length) {
  std::size_t best = spareCount;
  for (std::size_t i = 0; i < spareCount; ++i) {
    if (spare[i].length >= length && (best == spareCount || spare[i].length < spare[best].length)) {
      best = i;
    }
  }
  if (best == spareCount) return nullptr;
  const Block block = spare[best];
  spare[best] = spare[--spareCount];
  live[liveCount++] = block;
  return block.data;
}

void* MapLarge(std::size_t size) {
  if (size < kLargeBlock) return nullptr;
  const std::lock_guard lock(liveMutex);
  if (liveCount == live.size()) return nullptr;
  const std::size_t length = RoundUp(size, kLargePage);
  if (void* data = TakeSpare(length)) return data;
  void* data = MapAligned(length);
  if (data != nullptr) live[liveCount++] = {data, length};
  return data;
}

// Keeps a deleted block for the next one that fits, unless the spares
// would then hold more than kSpareBytes: the largest goes back then.
void Spare(Block block) {
  if (spareCount == spare.size()) {
    munmap(block.data, block.length);
    return;
  }
  spare[spareCount++] = block;
  std::size_t kept = 0;
  for (std::size_t i = 0; i < spareCount; ++i) kept += spare[i].length;
  while (kept > kSpareBytes) {
    std::size_t largest = 0;
    for (std::size_t i = 1; i < spareCount; ++i) {
      if (spare[i].length > spare[largest].length) largest = i;
    }
    kept -= spare[largest].length;
    munmap(spare[largest].data, spare[largest].length);
    spare[largest] = spare[--spareCount];
  }
}

bool UnmapLarge(void* data) {
  if (reinterpret_cast<std::uintptr_t>(data) % kLargePage != 0) return false;
  const std::lock_guard lock(liveMutex);
  for (std::size_t i = 0; i < liveCount; ++i) {
    if (live[i].data == data) {
      Spare(live[i]);
      live[i] = live[--liveCount];
      return true;
    }
  }
  return false;
}

}  // namespace

void* operator new(std::size_t size) {
  if (void* data = MapLarge(size)) return data;
  for (;;) {
    if (void* data = std::malloc(size == 0 ? 1 : size)) return data;
    const std::new_handler handler = std::get_new_handler();
    if (handler == nullptr) throw std::bad_alloc();
    handler();
  }
}

void operator delete(void* data) noexcept {
  if (data != nullptr && !UnmapLarge(data)) std::free(data);
}

void operator delete(void* data, std::size_t) noexcept { operator delete(data); }

#endif
