#pragma once

#include <istream>
#include <memory>
#include <string_view>

namespace korvale::cli {

// Reads a table a piece at a time, so that memory never grows with a line
// or a value. A piece never ends inside a UTF-8 sequence unless the input
// does. Reads go to the stream's buffer directly: a failure to read is not
// taken for the end of the input, but goes on as the buffer raises it (a
// file's buffer raises std::ios_base::failure, with the system's cause).
class TableChunks {
 public:
  explicit TableChunks(std::istream& in);

  // The next piece; empty at the end of the input.
  [[nodiscard]] std::string_view Next();

  static constexpr std::size_t kPiece = std::size_t{64} << 10;

 private:
  std::streambuf* source_;
  std::unique_ptr<char[]> buffer_;
  std::size_t keptAt_ = 0;  // an unfinished UTF-8 sequence held back for the next piece
  std::size_t kept_ = 0;
};

}  // namespace korvale::cli
