#pragma once

#include <functional>
#include <string>
#include <vector>

#include "FaultRig.h"
#include "RecordLayout.h"

namespace korvale::testing {

// What fails: one file operation, a write that stores only part of its
// bytes, or the power (that call and every later one).
enum class Fault {
  Open,
  Seek,
  Read,
  Write,
  ShortWrite,
  Length,
  Close,
  Sync,
  Create,
  Rename,
  PowerCut
};

// Which call of the operation fails, within the handler.
enum class At {
  First,
  Last,
  Field,  // the first call at the field `field` of record `record`
};

struct Cell {
  Fault fault;
  At at = At::First;
  int record = 0;
  FieldId field = FieldId::PlayerNumber;
  On on = On::Roster;
};

// A cell of a call on another file than the roster (a power cut: of any
// call, counted from the first on that file).
[[nodiscard]] inline Cell Of(On on, Fault fault, At at = At::First) {
  return {fault, at, 0, FieldId::PlayerNumber, on};
}

// A field the handler writes into the file, with its new stored bytes.
struct Written {
  int record;
  FieldId field;
  std::string bytes;
};

// One command or notification handler and the operations it uses.
struct Handler {
  std::string name;
  bool selected;                           // starts with the file selected
  std::function<void(FaultRig&)> arrange;  // the user's steps before it (may be empty)
  std::function<void(FaultRig&)> act;
  std::vector<Written> writes;  // in the order it writes them
  // What was done before the fault and has to stay done.
  std::function<void(FaultRig&, const Cell&)> kept;
  std::vector<Cell> cells;
  bool cli = false;
  // The file it writes whole (in the rig's folder), and what korvale-cli
  // says when that fails: "%1" its path, "%2" the cause.
  std::string output = {};
  QString cannotWrite = {};
};

[[nodiscard]] const std::vector<Handler>& FaultTable();
[[nodiscard]] const char* FaultName(Fault fault);

}  // namespace korvale::testing
