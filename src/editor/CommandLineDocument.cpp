#include "CommandLineDocument.h"

#include "FileChecks.h"

std::string CommandLineDocumentFailure(std::span<const std::string> arguments,
                                       std::string_view optionMarks) {
  for (const std::string& argument : arguments) {
    if (!argument.empty() && optionMarks.find(argument.front()) != std::string_view::npos) {
      continue;
    }
    const auto cause = korvale::CannotOpenForReading(argument);
    return cause ? korvale::FileError(*cause, argument).Message() : std::string();
  }
  return {};
}
