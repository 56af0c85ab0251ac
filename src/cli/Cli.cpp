#include "Cli.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <functional>
#include <limits>

#include "Commands.h"
#include "FileErrorText.h"
#include "HistoryLog.h"
#include "KorvaleVersion.h"
#include "RecordSource.h"
#include "TimeText.h"
#include "VisibleLines.h"
#include "VisibleText.h"

namespace korvale::cli {
namespace {

using Run = std::function<int()>;

// A whole-number option in decimal digits: a number beyond the range of
// its type is refused, never clamped to it.
template <typename T, typename Set>
CLI::Option* AddWholeNumber(CLI::App* cmd, const std::string& name, Set set,
                            const std::string& help) {
  return cmd
      ->add_option_function<std::string>(
          name,
          [name, set](const std::string& text) {
            T value{};
            const char* end = text.data() + text.size();
            const auto [at, error] = std::from_chars(text.data(), end, value);
            if (text.empty() || error != std::errc() || at != end) {
              throw CLI::ValidationError(name, text + " is not a whole number from " +
                                                   std::to_string(std::numeric_limits<T>::min()) +
                                                   " to " +
                                                   std::to_string(std::numeric_limits<T>::max()));
            }
            set(value);
          },
          help)
      ->type_name("INT");
}

CLI::App* AddList(CLI::App& app, Io io, Run& run) {
  auto* cmd = app.add_subcommand("list", "List the players: record, id, team and name");
  auto file = std::make_shared<std::string>();
  cmd->add_option("FILE", *file, "Player file")->required();
  cmd->callback([=, &run] { run = [=] { return ListCommand(*file, io); }; });
  return cmd;
}

CLI::App* AddShow(CLI::App& app, Io io, Run& run) {
  auto* cmd = app.add_subcommand("show", "Show one player page by page");
  auto o = std::make_shared<ShowOptions>();
  cmd->add_option("FILE", o->file, "Player file")->required();
  auto* record = AddWholeNumber<std::int64_t>(
      cmd, "--record", [o](std::int64_t k) { o->record = k; }, "Record index, from 0");
  auto* id = AddWholeNumber<std::int64_t>(
      cmd, "--id", [o](std::int64_t n) { o->id = n; }, "PlayerId (the first record holding it)");
  record->excludes(id);
  cmd->callback([=, &run] {
    if (!o->record && !o->id) throw CLI::RequiredError("--record or --id");
    run = [=] { return ShowCommand(*o, io); };
  });
  return cmd;
}

// --delimiter: ",", ";" or a tab (also written "tab" or "\\t").
CLI::Option* AddDelimiter(CLI::App* cmd, char& delimiter, const std::string& what) {
  return cmd
      ->add_option_function<std::string>(
          "--delimiter",
          [&delimiter](const std::string& name) {
            delimiter = name == "tab" || name == "\\t" ? '\t' : name.at(0);
          },
          what)
      ->type_name(",|;|tab")
      ->check(CLI::Validator(
          [](const std::string& name) {
            const bool known =
                name == "," || name == ";" || name == "\t" || name == "tab" || name == "\\t";
            return known ? std::string() : "a delimiter is , ; or tab, not " + name;
          },
          ""));
}

CLI::App* AddExport(CLI::App& app, Io io, Run& run) {
  auto* cmd = app.add_subcommand("export", "Write every record as a CSV or JSON table");
  auto o = std::make_shared<ExportOptions>();
  cmd->add_option("FILE", o->file, "Player file")->required();
  cmd->add_option("--format", o->format, "csv or json (default: from OUT's extension, else csv)")
      ->check(CLI::IsMember({"csv", "json"}, CLI::ignore_case));
  cmd->add_flag("--derived", o->derived, "Add the values the pages compute");
  cmd->add_flag("--labels", o->labels,
                "Write list fields (Position, Team, looks...) as the entry texts the editor shows");
  cmd->add_flag("--excel", o->excel,
                "CSV for Excel: UTF-8 with a byte order mark, and an apostrophe before a text "
                "that begins with = + - @");
  AddDelimiter(cmd, o->delimiter, "CSV cell separator: , ; or tab (default ,)");
  cmd->add_option("-o,--output", o->output, "Output file, - for standard output (default)");
  cmd->callback([=, &run] { run = [=] { return ExportCommand(*o, io); }; });
  return cmd;
}

void AddBackup(CLI::App* cmd, std::string& backup) {
  cmd->add_option("--backup", backup, "Copy the file here before the first write")
      ->check(CLI::Validator(
          [](const std::string& name) {
            return name.empty() ? "the backup needs a file name" : "";
          },
          "FILE"));
}

CLI::App* AddImport(CLI::App& app, Io io, Run& run) {
  auto* cmd = app.add_subcommand("import", "Apply a CSV or JSON table to the player file");
  auto o = std::make_shared<ImportOptions>();
  cmd->add_option("FILE", o->file, "Player file")->required();
  cmd->add_option("INPUT", o->input, "Table to apply, - for standard input")->required();
  cmd->add_option("--format", o->format, "csv or json (default: from INPUT's extension, else csv)")
      ->check(CLI::IsMember({"csv", "json"}, CLI::ignore_case));
  AddDelimiter(cmd, o->delimiter,
               "CSV cell separator: , ; or tab (default: the first of them in the header line)");
  cmd->add_option("--encoding", o->encoding,
                  "utf-8 or windows-1252 (default: a file that is not UTF-8 is read as "
                  "Windows-1252; standard input must be UTF-8)")
      ->check(CLI::IsMember({"utf-8", "windows-1252"}, CLI::ignore_case));
  cmd->add_flag("--dry-run", o->dryRun, "Validate and report, write nothing");
  AddBackup(cmd, o->backup);
  cmd->add_flag("--verbose", o->verbose, "List every change");
  cmd->footer(
      "An empty cell (or a JSON null) leaves a number, a list field or a flag as the file has "
      "it, and empties a text.");
  cmd->callback([=, &run] { run = [=] { return ImportCommand(*o, io); }; });
  return cmd;
}

CLI::App* AddCheck(CLI::App& app, Io io, Run& run) {
  auto* cmd = app.add_subcommand("check", "Report what in the file does not fit its layout");
  auto file = std::make_shared<std::string>();
  cmd->add_option("FILE", *file, "Player file")->required();
  cmd->callback([=, &run] { run = [=] { return CheckCommand(*file, io); }; });
  return cmd;
}

// --patch and the options of the patch it writes, which need it.
void AddPatch(CLI::App* cmd, PatchOptions& o) {
  auto* patch =
      cmd->add_flag("--patch", o.patch, "Write the changes as a patch: one row per changed field");
  cmd->add_option("-o,--output", o.output, "Patch file, - for standard output (default)")
      ->needs(patch);
  cmd->add_option("--format", o.format, "csv or json (default: from OUT's extension, else csv)")
      ->check(CLI::IsMember({"csv", "json"}, CLI::ignore_case))
      ->needs(patch);
  cmd->add_flag("--labels", o.labels, "Write list fields as the entry texts the editor shows")
      ->needs(patch);
  cmd->add_flag("--excel", o.excel, "CSV for Excel, as export --excel writes it")->needs(patch);
  AddDelimiter(cmd, o.delimiter, "CSV cell separator: , ; or tab (default ,)")->needs(patch);
}

CLI::App* AddDiff(CLI::App& app, Io io, Run& run) {
  auto* cmd = app.add_subcommand("diff", "Compare two player files record by record");
  auto a = std::make_shared<std::string>();
  auto b = std::make_shared<std::string>();
  auto o = std::make_shared<PatchOptions>();
  cmd->add_option("FILE_A", *a, "First player file")->required();
  cmd->add_option("FILE_B", *b, "Second player file")->required();
  AddPatch(cmd, *o);
  cmd->callback([=, &run] {
    if (o->patch) {
      run = [=] { return DiffPatchCommand(*a, *b, *o, io); };
    } else {
      run = [=] { return DiffCommand(*a, *b, io); };
    }
  });
  return cmd;
}

// A whole number from 1 up to the largest that 64 bits hold, in decimal
// digits only; nothing for anything else (a larger one is not cut down).
std::optional<std::int64_t> PositiveCount(std::string_view text) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || text.front() == '-' || error != std::errc() ||
      end != text.data() + text.size() || value < 1) {
    return std::nullopt;
  }
  return value;
}

// --since: a local date and time, or a time ago ("2h", "7d").
CLI::Option* AddSince(CLI::App* cmd, std::optional<std::int64_t>& since) {
  return cmd
      ->add_option_function<std::string>(
          "--since",
          [&since](const std::string& text) {
            since = ParseTime(text, history::SystemNow());
            if (!since) throw CLI::ValidationError("--since", "not a time: " + text);
          },
          "A local date and time (2026-03-01 or \"2026-03-01 14:05\") or a time ago (30m, 2h, 7d)")
      ->type_name("TIME");
}

CLI::App* AddHistory(CLI::App& app, Io io, Run& run) {
  auto* cmd = app.add_subcommand("history", "List the recorded changes of a player file");
  auto o = std::make_shared<HistoryOptions>();
  cmd->add_option("FILE", o->file, "Player file")->required();
  AddSince(cmd, o->since);
  AddWholeNumber<std::uint64_t>(
      cmd, "--id", [o](std::uint64_t n) { o->id = n; }, "The change set with this id");
  cmd->add_option_function<std::string>(
         "--format", [o](const std::string& name) { o->format = o->patch.format = name; },
         "text or json (default text); with --patch csv or json")
      ->check(CLI::IsMember({"text", "json", "csv"}, CLI::ignore_case));
  auto* patch =
      cmd->add_flag("--patch", o->patch.patch, "Write the chosen change sets as one patch");
  cmd->add_option("-o,--output", o->patch.output, "Patch file, - for standard output (default)")
      ->needs(patch);
  cmd->callback([=, &run] {
    if (o->patch.patch) {
      if (o->format == "text") o->patch.format.clear();
      run = [=] { return HistoryPatchCommand(*o, io); };
    } else {
      if (o->format == "csv") throw CLI::ValidationError("--format", "csv needs --patch");
      run = [=] { return HistoryCommand(*o, io); };
    }
  });
  return cmd;
}

CLI::App* AddUndo(CLI::App& app, Io io, Run& run) {
  auto* cmd = app.add_subcommand("undo", "Take recorded changes back, newest first");
  auto o = std::make_shared<UndoOptions>();
  cmd->add_option("FILE", o->file, "Player file")->required();
  auto* last = cmd->add_option_function<std::string>(
                      "--last",
                      [o](const std::string& text) {
                        o->last = PositiveCount(text);
                        if (!o->last) throw CLI::ValidationError("--last", "not a count: " + text);
                      },
                      "The newest N change sets")
                   ->type_name("N");
  auto* id = AddWholeNumber<std::uint64_t>(
      cmd, "--id", [o](std::uint64_t n) { o->id = n; }, "The change set with this id");
  auto* since = AddSince(cmd, o->since);
  last->excludes(id)->excludes(since);
  id->excludes(since);
  cmd->add_flag("--dry-run", o->dryRun, "Show what would change, write nothing");
  cmd->add_flag("--force", o->force, "Write the old values over fields changed since");
  cmd->callback([=, &run] {
    if (!o->last && !o->id && !o->since) throw CLI::RequiredError("--last, --id or --since");
    run = [=] { return UndoCommand(*o, io); };
  });
  return cmd;
}

CLI::App* AddApply(CLI::App& app, Io io, Run& run) {
  auto* cmd = app.add_subcommand("apply", "Apply a patch to the player file");
  auto o = std::make_shared<ApplyOptions>();
  cmd->add_option("FILE", o->file, "Player file")->required();
  cmd->add_option("PATCH", o->patch, "Patch to apply (CSV or JSON), - for standard input")
      ->required();
  cmd->add_option("--match", o->match,
                  "How a row finds its player: id (PlayerId, the default), record or name")
      ->check(CLI::IsMember({"id", "record", "name"}));
  cmd->add_flag("--dry-run", o->dryRun, "Compare and report, write nothing");
  cmd->add_flag("--verbose", o->verbose, "List every field of the patch");
  AddBackup(cmd, o->backup);
  cmd->add_flag("--force", o->force, "Write New over fields that hold neither Old nor New");
  cmd->callback([=, &run] { run = [=] { return ApplyCommand(*o, io); }; });
  return cmd;
}

CLI::App* AddSample(CLI::App& app, Io io, Run& run) {
  auto* cmd = app.add_subcommand("sample", "Write a roster of fictional players");
  auto o = std::make_shared<SampleOptions>();
  cmd->add_option("OUT", o->output, "File to write, - for standard output")->required();
  AddWholeNumber<int>(
      cmd, "--players", [o](int n) { o->players = n; }, "Number of players (default 440)")
      ->check(CLI::Range(0, 1000000));
  AddWholeNumber<std::uint64_t>(
      cmd, "--seed", [o](std::uint64_t n) { o->seed = n; }, "Seed of the generator (default 1998)");
  cmd->add_flag("--force", o->force, "Overwrite OUT if it exists");
  cmd->callback([=, &run] { run = [=] { return SampleCommand(*o, io); }; });
  return cmd;
}

// Whether everything printed reached standard output. A closed pipe (the
// reader of `korvale-cli list | head` has gone) ends the command quietly;
// any other failure (a full device) is reported with its cause.
bool OutputReached(Io io) {
  if (io.out.flush()) return true;
  const int cause = errno;
  if (cause != EPIPE) {
    io.err << "korvale-cli: cannot write to standard output"
           << (cause != 0 ? std::string(": ") + std::strerror(cause) : std::string()) << '\n';
  }
  return false;
}

int RunReportingErrors(const Run& run, Io io) {
  int result = kFailure;
  try {
    errno = 0;
    result = run();
  } catch (const FileError& e) {
    io.err << "korvale-cli: " << FileErrorText(e) << '\n';
  } catch (const RosterRefused& e) {
    io.err << "korvale-cli: " << e.what() << '\n';
  } catch (const history::HistoryError& e) {
    io.err << "korvale-cli: " << e.what() << '\n';
  }
  return OutputReached(io) ? result : kFailure;
}

// Parses the arguments and runs the command they name.
int RunCommand(const std::vector<std::string>& args, Io io) {
  CLI::App app("Lists, exports, imports, checks, compares and patches Courtline '98 player files.",
               "korvale-cli");
  app.set_version_flag("--version", std::string("korvale-cli ") + kKorvaleVersion);
  app.require_subcommand(1);
  // Only the options defined here are options: "/Games/Players.dbf" is a file
  // name on every system, so no argument is read as a Windows-style "/option".
  app.allow_windows_style_options(false);
  Run run;
  std::vector<std::string> commands;
  for (auto* add : {AddList, AddShow, AddExport, AddImport, AddCheck, AddDiff, AddHistory, AddUndo,
                    AddApply, AddSample}) {
    commands.push_back(add(app, io, run)->get_name());
  }
  if (!args.empty() && !args[0].empty() && args[0][0] != '-' &&
      std::find(commands.begin(), commands.end(), args[0]) == commands.end()) {
    io.err << "korvale-cli: unknown command '" << VisibleText(args[0])
           << "'\nRun with --help for more information.\n";
    return kFailure;
  }
  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    app.parse(reversed);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e, io.out, io.err);
    return code == 0 ? kSuccess : kFailure;
  }
  return RunReportingErrors(run, io);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
  return RunCli(args, in, out, err, SystemFileSystem());
}

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, FileSystem& files) {
  // Every message goes out through the one escaper, whatever it quotes.
  VisibleLines visible(err);
  std::ostream messages(&visible);
  return RunCommand(args, Io{in, out, messages, files});
}

}  // namespace korvale::cli
