#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "RecordLayout.h"
#include "RollbackJournal.h"

namespace korvale::history {

// Which program made a change set.
enum class Program : std::uint8_t { Editor = 0, Import = 1, Undo = 2, Apply = 3 };

[[nodiscard]] std::string_view ProgramName(Program program);

// One field written: the bytes it held before and after (as many of each).
struct FieldChange {
  std::int64_t record = 0;
  FieldId field = FieldId::PlayerNumber;
  std::string oldBytes;
  std::string newBytes;
};

// Who a record was before a change set touched it: its PlayerId,
// LastName and FirstName bytes as the roster held them.
struct PlayerBefore {
  std::int64_t record = 0;
  std::string playerId;
  std::string lastName;
  std::string firstName;
};

// The fields that say who a record is.
inline constexpr FieldId kIdentityFields[] = {FieldId::PlayerId, FieldId::LastName,
                                              FieldId::FirstName};

// Whether a change set's writes took effect, as marked after it; a set
// without a mark (its program was killed) is judged against the roster.
enum class SetState : std::uint8_t { Unmarked = 0, Applied = 1, NotApplied = 2 };

// The fields one commit or one command wrote, in the order written, and
// who each record it touched was. Sets written before players were
// recorded have none (knowsPlayers false).
struct ChangeSet {
  std::uint64_t id = 0;
  std::int64_t time = 0;  // seconds since the epoch
  Program program = Program::Editor;
  std::vector<FieldChange> changes;
  std::vector<PlayerBefore> players;
  bool knowsPlayers = true;
};

// Reads `n` roster bytes at an offset (fewer at the end of the file).
using RosterBytes = std::function<std::string(std::uint64_t offset, std::size_t n)>;

// Who the record is, read from the roster.
[[nodiscard]] PlayerBefore PlayerOf(std::int64_t record, const RosterBytes& read);

// The identity field's bytes in a PlayerBefore.
[[nodiscard]] const std::string& IdentityBytes(const PlayerBefore& player, FieldId field);
[[nodiscard]] std::string& IdentityBytes(PlayerBefore& player, FieldId field);

// The field that starts at this position in record 0, if any.
[[nodiscard]] std::optional<FieldId> FieldAtPosition(std::uint16_t position);

// The record and the field a roster write starts; nothing when it starts
// no field.
struct FieldPlace {
  std::int64_t record = 0;
  FieldId field = FieldId::PlayerNumber;
};
[[nodiscard]] std::optional<FieldPlace> PlaceOfSpan(const Span& span);
// The record whose bytes hold `offset` (record 0 for the file's header).
[[nodiscard]] std::uint64_t RecordAt(std::uint64_t offset);

// A roster write as a field change; nothing when it does not start a field.
[[nodiscard]] std::optional<FieldChange> ChangeOfSpan(const Span& span);
// The roster write that makes the change again.
[[nodiscard]] Span SpanOf(const FieldChange& change);

// Whether a write that starts a field changes its bytes: what a change set
// of the writes records.
[[nodiscard]] bool IsFieldChange(const Span& span);
[[nodiscard]] bool ChangesAnyField(const std::vector<Span>& spans);

}  // namespace korvale::history
