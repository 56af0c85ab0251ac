#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <QString>

#include "RecordLayout.h"

namespace korvale::testing {

// The controls of the four pages that write a field, as the walk knows
// them: by tab and control id.
constexpr int kPlayerDataTab = 0;
constexpr int kPlayerData2Tab = 1;
constexpr int kRatingsTab = 2;
constexpr int kSeasonTab = 3;

// An edit that commits when left.
struct EditControl {
  int tab;
  int id;
  FieldId field;
  bool integer;
  std::int32_t low = 0;  // integers: the accepted range as shown
  std::int32_t high = 0;
  bool rating = false;  // shown on the rating scale, stored as its code
  int limit = 0;        // texts: most characters
};

// A list that commits the user's pick.
struct ListControl {
  int tab;
  int id;
  FieldId field;
  int offset = 0;  // the stored code is the entry index plus this
};

// A check box that commits its new state.
struct CheckControl {
  int tab;
  int id;
  FieldId field;
};

[[nodiscard]] const std::vector<EditControl>& EditControls();
[[nodiscard]] const std::vector<ListControl>& ListControls();
[[nodiscard]] const std::vector<CheckControl>& CheckControls();

// The stored bytes of a shown integer (nothing outside its range).
[[nodiscard]] std::optional<std::string> StoredInteger(const EditControl& edit, std::int32_t shown);
// The stored bytes of an edit's text as the user left it: nothing when the
// text is refused.
[[nodiscard]] std::optional<std::string> StoredText(const EditControl& edit, const QString& text);
[[nodiscard]] std::string StoredPick(const ListControl& list, int index);

}  // namespace korvale::testing
