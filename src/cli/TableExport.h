#pragma once

#include <ostream>

#include "PlayerFileState.h"
#include "TableFormat.h"

namespace korvale::cli {

struct TableStyle {
  TableFormat format = TableFormat::Csv;
  bool derived = false;  // add the values the pages compute
  bool labels = false;   // list fields as their entry texts
  bool excel = false;    // a byte order mark, and = + - @ never begin a text
  char delimiter = ',';
};

// Writes one row (CSV) or object (JSON) per record of the open file, in
// file order: Record, the 80 fields as the editor shows them, and the
// derived values if asked. CSV quotes every text cell, so that a
// spreadsheet keeps it a text.
void ExportTable(PlayerFileState& file, std::ostream& out, const TableStyle& style);

}  // namespace korvale::cli
