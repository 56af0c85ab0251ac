#include <fmt/format.h>

#include <ostream>

#include "Commands.h"
#include "Labels.h"
#include "RecordSource.h"

namespace korvale::cli {

int ListCommand(const std::string& path, Io io) {
  PlayerFileState file(io.files);
  OpenRoster(file, path, false, io.err);
  WarnIfCutShort(file, io.err);
  RecordSource source(file);
  std::string out;
  source.ForEach([&](const RecordSpan& record) {
    const auto name = [&](FieldId id) {
      return VisibleText(std::get<std::string>(ShownValue(record, id)));
    };
    out += fmt::format("{:>6}  {:>4}  {:<14}  {}, {}\n", record.index,
                       ShownNumber(record, FieldId::PlayerId),
                       EntryText(FieldId::Team, ShownValue(record, FieldId::Team)),
                       name(FieldId::LastName), name(FieldId::FirstName));
  });
  io.out << out;
  return kSuccess;
}

}  // namespace korvale::cli
