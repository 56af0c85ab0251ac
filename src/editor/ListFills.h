#pragma once

#include <functional>
#include <vector>

#include "ListOrder.h"
#include "PlayerFileState.h"

namespace korvale {

// Receives a list's entries, sorted.
using PutEntries = std::function<void(const std::vector<ListEntry>&)>;

// The player list: "LastName, FirstName, PlayerId" of every record that
// holds its last name. The roster list: the roster entry of every record
// whose Team is `team`. Each walks the file, sorts and puts the entries;
// a file error ends the walk, the entries collected so far are put, and
// the error passes on.
void CollectPlayerEntries(PlayerFileState& file, const PutEntries& put);
void CollectRosterEntries(PlayerFileState& file, int team, const PutEntries& put);

}  // namespace korvale
