#pragma once

#include <ostream>

#include "PlayerFileState.h"
#include "TableFormat.h"

namespace korvale::cli {

// Writes one row (CSV) or object (JSON) per record of the open file, in
// file order: Record, the 80 fields as the editor shows them, and with
// `derived` the values the pages compute.
void ExportTable(PlayerFileState& file, std::ostream& out, TableFormat format, bool derived);

}  // namespace korvale::cli
