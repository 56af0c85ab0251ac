#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ChangeSet.h"

namespace korvale::history {

// A history file is change sets one after another, each complete on its
// own: "KVH1", the length of its body, the body, and a checksum of all
// that. The body holds the id, the time, the program and every field
// change (record, field, both sizes, old bytes, new bytes).
[[nodiscard]] std::string EncodeChangeSet(const ChangeSet& set);

// The change set of the roster writes that change a field (IsFieldChange),
// encoded straight from them.
[[nodiscard]] std::string EncodeSpanSet(std::uint64_t id, std::int64_t time, Program program,
                                        const std::vector<Span>& spans);

inline constexpr std::string_view kSetMagic = "KVH1";
// A hash of a set's frame and body: FNV-1a over little-endian 8-byte
// words, each product folded, then the bytes left over.
[[nodiscard]] std::uint32_t SetChecksum(std::string_view bytes);

// The change sets, oldest first, read until the bytes end or hold no
// complete one (what follows, an append cut short, is not read).
[[nodiscard]] std::vector<ChangeSet> DecodeHistory(std::string_view bytes);

}  // namespace korvale::history
