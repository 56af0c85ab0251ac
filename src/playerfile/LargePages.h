#pragma once

#include <cstddef>

namespace korvale {

// Asks the system to back the whole large pages within [data, data + bytes)
// with large pages once they are touched: memory that is filled at once
// (the planned spans of a large import, the journal) then costs one page
// fault per 2 MB instead of one per 4 KB. Only where the system has them
// on request (Linux); elsewhere, and for small ranges, nothing happens.
void PreferLargePages(void* data, std::size_t bytes);

}  // namespace korvale
