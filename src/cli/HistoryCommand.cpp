#include <nlohmann/json.hpp>

#include <algorithm>
#include <ostream>

#include "ChangeHistory.h"
#include "Commands.h"
#include "HistoryLog.h"
#include "RecordSource.h"
#include "TimeText.h"

namespace korvale::cli {
namespace {

std::string Fields(std::size_t n) { return std::to_string(n) + (n == 1 ? " field" : " fields"); }

void PrintText(const history::ChangeSet& set, const std::vector<ShownChange>& fields, Io io) {
  io.out << set.id << "  " << LocalTimeText(set.time) << "  " << ProgramName(set.program) << "  "
         << Fields(fields.size()) << '\n';
  for (const ShownChange& field : fields) io.out << "    " << ChangeLine(field) << '\n';
}

nlohmann::ordered_json Json(const history::ChangeSet& set, const std::vector<ShownChange>& fields) {
  nlohmann::ordered_json out{{"id", set.id},
                             {"time", LocalTimeText(set.time)},
                             {"program", ProgramName(set.program)},
                             {"fields", nlohmann::ordered_json::array()}};
  for (const ShownChange& field : fields) {
    out["fields"].push_back({{"record", field.record},
                             {"player", field.player},
                             {"field", field.field},
                             {"before", field.before},
                             {"after", field.after}});
  }
  return out;
}

}  // namespace

int HistoryCommand(const HistoryOptions& options, Io io) {
  std::vector<history::ChangeSet> sets = history::HistoryLog(options.file).Read();
  std::reverse(sets.begin(), sets.end());
  PlayerFileState file(io.files);
  OpenRoster(file, options.file, false, io.err);
  const auto shown = ShowChanges(RosterImage::Read(file), sets);
  file.ClosePlayerFile();
  const bool json = options.format == "json";
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  std::size_t listed = 0;
  for (std::size_t i = 0; i < sets.size(); ++i) {
    if (options.since && sets[i].time < *options.since) continue;
    if (options.id && sets[i].id != *options.id) continue;
    ++listed;
    if (json) {
      list.push_back(Json(sets[i], shown[i]));
    } else {
      PrintText(sets[i], shown[i], io);
    }
  }
  if (json) {
    io.out << list.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
  } else if (listed == 0) {
    io.out << "No changes of " << options.file << " are recorded"
           << (options.since ? " since then" : "") << ".\n";
  }
  return kSuccess;
}

}  // namespace korvale::cli
