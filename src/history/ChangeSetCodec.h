#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ChangeSet.h"

namespace korvale::history {

// A history file is frames one after another, each complete on its own:
// a mark, the length of its body, the body, and a checksum of all that.
// A change set's body holds the id, the time, the program, every field
// change (record, field, both sizes, old bytes, new bytes) and who each
// record it touches was (record, PlayerId, LastName, FirstName); a set
// marked "KVH1" was written before players were recorded and has no such
// list. A state frame says whether the set with its id took effect.
inline constexpr std::string_view kFrameMark = "KVH";
inline constexpr std::string_view kSetMagic = "KVH2";
inline constexpr std::string_view kOldSetMagic = "KVH1";
inline constexpr std::string_view kStateMagic = "KVHS";
inline constexpr std::size_t kFrameHead = 8;  // mark and body length
inline constexpr std::size_t kChecksumSize = 4;

[[nodiscard]] std::string EncodeChangeSet(const ChangeSet& set);

// The change set of the roster writes that change a field (IsFieldChange),
// encoded straight from them, with who each record was as `read` gives it.
[[nodiscard]] std::string EncodeSpanSet(std::uint64_t id, std::int64_t time, Program program,
                                        const std::vector<Span>& spans, const RosterBytes& read);

// The frame that marks the set `id` as applied or not.
[[nodiscard]] std::string EncodeState(std::uint64_t id, SetState state);

// The checksum of a frame's mark and body.
[[nodiscard]] std::uint32_t SetChecksum(std::string_view bytes);

// A whole frame's change set (its checksum is not checked); nothing when
// it holds none.
[[nodiscard]] std::optional<ChangeSet> DecodeSet(std::string_view frame);
// A whole state frame's set id and state.
struct SetMark {
  std::uint64_t id = 0;
  SetState state = SetState::Unmarked;
};
[[nodiscard]] std::optional<SetMark> DecodeState(std::string_view frame);

}  // namespace korvale::history
