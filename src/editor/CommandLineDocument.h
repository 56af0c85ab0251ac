#pragma once

#include <span>
#include <string>
#include <string_view>

// The file named on the editor's command line (`arguments` after the
// program's name, UTF-8) is its document: the first argument that does not
// begin with one of `optionMarks`, the rest passed over. It is opened for
// reading and closed again, nothing read, and selects no player file. The
// message that says why it cannot be opened, or empty when it can or when
// no file is named.
[[nodiscard]] std::string CommandLineDocumentFailure(std::span<const std::string> arguments,
                                                     std::string_view optionMarks);
