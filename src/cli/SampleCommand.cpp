#include <filesystem>
#include <ostream>

#include "Commands.h"
#include "FileErrorText.h"
#include "PlayerFileState.h"
#include "ReplacingOutput.h"
#include "RollbackJournal.h"
#include "StopSignals.h"
#include "Utf8Path.h"
#include "VisibleText.h"

namespace korvale::cli {
namespace {

// PlayerId has four digits: beyond this many players the ids start over.
constexpr int kDistinctIds = 9999;

// With --force, an existing roster is taken first, as any writer takes it:
// one that another process holds is refused; an interrupted import is
// undone before the roster is replaced, so that its journal is not left
// beside the new one. False (and said) when the roster may not be replaced.
bool TakeTarget(PlayerFileState& held, const SampleOptions& options, Io io) {
  std::error_code ec;
  if (!options.force || !std::filesystem::is_regular_file(PathFromUtf8(options.output), ec)) {
    return true;
  }
  try {
    held.OpenPlayerFile(options.output);
    RemoveLeftTemporaries(PathFromUtf8(options.output));
    const UndoReport undo = UndoInterruptedImport(held);
    if (!undo.message.empty()) io.err << "korvale-cli: " << undo.message << '\n';
    return !undo.stops;
  } catch (const FileError& e) {
    io.err << "korvale-cli: " << FileErrorText(e) << '\n';
    return false;
  }
}

}  // namespace

int SampleCommand(const SampleOptions& options, Io io) {
  if (options.players > kDistinctIds) {
    io.err
        << "korvale-cli: beyond 9,999 players the player ids repeat (PlayerId has four digits)\n";
  }
  if (options.output == "-") {
    return WriteSampleRoster(io.out, options.players, options.seed) ? kSuccess : kFailure;
  }
  PlayerFileState held(io.files);
  if (!TakeTarget(held, options, io)) return kFailure;
  // The roster is written whole under a temporary name, then put in place;
  // a stop signal or a failure leaves the old one and removes the new.
  const StopSignals signals;
  ReplacingOutput out(PathFromUtf8(options.output), options.force, io.files);
  if (out.IsOpen()) WriteSampleRoster(out.Stream(), options.players, options.seed);
  // Let go just before the new file takes the old one's place (Windows
  // replaces no file that is open).
  held.ClosePlayerFile();
  if (StopSignals::Stopped()) {
    io.err << "korvale-cli: stopped by a signal: nothing was changed\n";
    return kFailure;
  }
  if (out.Commit()) return kSuccess;
  const std::string shown = VisibleText(options.output);
  if (out.Error() == std::errc::file_exists) {
    io.err << "korvale-cli: " << shown << " exists; use --force to overwrite it\n";
  } else {
    io.err << "korvale-cli: cannot write " << shown << ": " << out.Error().message() << '\n';
  }
  return kFailure;
}

}  // namespace korvale::cli
