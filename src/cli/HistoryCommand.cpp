#include <nlohmann/json.hpp>

#include <ostream>

#include "ChangeHistory.h"
#include "Commands.h"
#include "HistoryLog.h"
#include "RecordSource.h"
#include "TimeText.h"
#include "Utf8Path.h"
#include "VisibleText.h"

namespace korvale::cli {
namespace {

std::string Fields(std::size_t n) { return std::to_string(n) + (n == 1 ? " field" : " fields"); }

constexpr std::string_view kNeverTookEffect = "never took effect";

void PrintText(const HistoryWalk& walk, Io io) {
  const history::ChangeSet& set = walk.Set();
  io.out << set.id << "  " << LocalTimeText(set.time) << "  " << ProgramName(set.program) << "  "
         << Fields(walk.Shown().size());
  if (!walk.TookEffect()) io.out << "  (" << kNeverTookEffect << ')';
  io.out << '\n';
  for (const ShownChange& field : walk.Shown()) io.out << "    " << ChangeLine(field) << '\n';
}

nlohmann::ordered_json Json(const HistoryWalk& walk) {
  const history::ChangeSet& set = walk.Set();
  nlohmann::ordered_json out{{"id", set.id},
                             {"time", LocalTimeText(set.time)},
                             {"program", ProgramName(set.program)},
                             {"tookEffect", walk.TookEffect()},
                             {"fields", nlohmann::ordered_json::array()}};
  for (const ShownChange& field : walk.Shown()) {
    out["fields"].push_back({{"record", field.record},
                             {"player", field.player},
                             {"field", field.field},
                             {"before", field.before},
                             {"after", field.after}});
  }
  return out;
}

// One set of the JSON list, printed as the whole list's dump would lay it
// out, so that the list is never held whole.
void PrintJson(const HistoryWalk& walk, bool first, Io io) {
  const std::string object =
      Json(walk).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
  io.out << (first ? "[\n  " : ",\n  ");
  for (const char c : object) {
    io.out << c;
    if (c == '\n') io.out << "  ";
  }
}

}  // namespace

int HistoryCommand(const HistoryOptions& options, Io io) {
  const history::HistoryLog log(options.file);
  PlayerFileState file(io.files);
  OpenRoster(file, options.file, false, io.err);
  std::optional<HistoryWalk> walk;
  try {
    walk.emplace(log, RosterImage::Read(file));
  } catch (const history::HistoryError& e) {
    io.err << "korvale-cli: " << e.what() << '\n';
    return kFailure;
  }
  file.ClosePlayerFile();
  if (const std::string damage = walk->DamageText(); !damage.empty()) {
    io.err << "korvale-cli: the change history " << Utf8FromPath(log.Path()) << " is damaged at "
           << damage << ": what lies there cannot be read; every intact change set is listed\n";
  }
  const bool json = options.format == "json";
  std::size_t listed = 0;
  try {
    while (walk->Next()) {
      if (walk->Entry().damaged || (options.since && walk->Set().time < *options.since)) continue;
      if (options.id && walk->Set().id != *options.id) continue;
      ++listed;
      if (json) {
        PrintJson(*walk, listed == 1, io);
      } else {
        PrintText(*walk, io);
      }
    }
  } catch (const history::HistoryError& e) {
    io.err << "korvale-cli: " << e.what() << '\n';
    return kFailure;
  }
  if (json) {
    io.out << (listed == 0 ? "[]\n" : "\n]\n");
  } else if (listed == 0) {
    io.out << "No changes of " << VisibleText(options.file) << " are recorded"
           << (options.since ? " since then" : "") << ".\n";
  }
  return kSuccess;
}

}  // namespace korvale::cli
