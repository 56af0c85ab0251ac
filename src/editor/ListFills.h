#pragma once

#include <functional>
#include <vector>

#include "ListOrder.h"
#include "PlayerFileState.h"

namespace korvale {

// Receives a list's entries in file order; whoever shows them sorts them.
using PutEntries = std::function<void(std::vector<ListEntry>&&)>;

// The player list: "LastName, FirstName, PlayerId" of every record that
// holds its last name. The roster list: the roster entry of every record
// whose Team is `team`; its walk puts the entries, and a file error ends
// it, the entries collected so far are put, and the error passes on.
// The player list's entries in file order, unsorted, into `entries`; a file
// error ends the walk with the entries read so far kept, and passes on.
void ScanPlayerEntries(PlayerFileState& file, std::vector<ListEntry>& entries);
void CollectRosterEntries(PlayerFileState& file, int team, const PutEntries& put);

}  // namespace korvale
