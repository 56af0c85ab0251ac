#include "ApplyPlan.h"

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <unordered_map>

#include "Labels.h"
#include "ProblemReport.h"
#include "RowPlanner.h"
#include "TableInputValues.h"

namespace korvale::cli {
namespace {

// The rows of the patch a key is named in, at most this many in a message.
constexpr std::size_t kRowsNamed = 5;

std::string KeyColumn(PatchMatch match) {
  switch (match) {
    case PatchMatch::Id: return "PlayerId";
    case PatchMatch::Record: return "Record";
    case PatchMatch::Name: return "LastName, FirstName";
  }
  return {};
}

std::string NameKey(const std::string& last, const std::string& first) {
  return last + '\n' + first;
}

// A player's key in the roster.
std::string RecordKey(const RecordSpan& record, PatchMatch match) {
  if (match == PatchMatch::Id) return std::to_string(ShownNumber(record, FieldId::PlayerId));
  if (match == PatchMatch::Record) return std::to_string(record.index);
  return NameKey(std::get<std::string>(ShownValue(record, FieldId::LastName)),
                 std::get<std::string>(ShownValue(record, FieldId::FirstName)));
}

// The key a patch row names, as the index holds it and as a message shows
// it; or why the row names none.
struct NamedKey {
  std::string key;
  std::string shown;
  std::string problem;
};

std::string TextOf(const Taken& taken) {
  const auto* text = taken.value ? std::get_if<std::string>(&*taken.value) : nullptr;
  return text == nullptr ? std::string() : *text;
}

NamedKey KeyOf(const PatchEntry& entry, const ApplyRules& rules) {
  if (rules.match == PatchMatch::Name) {
    const Taken last = TakeCell(Field(FieldId::LastName), entry.lastName, rules.fromCsv);
    const Taken first = TakeCell(Field(FieldId::FirstName), entry.firstName, rules.fromCsv);
    return {NameKey(TextOf(last), TextOf(first)),
            Render(Shown{TextOf(last)}) + ", " + Render(Shown{TextOf(first)}),
            last.problem + first.problem};
  }
  const Taken taken = rules.match == PatchMatch::Id
                          ? TakeCell(Field(FieldId::PlayerId), entry.playerId, rules.fromCsv)
                          : TakeRecordNumber(entry.record);
  if (!taken.value) return {{}, {}, taken.problem.empty() ? "missing" : taken.problem};
  const std::string number = std::to_string(std::get<std::int64_t>(*taken.value));
  return {number, number, {}};
}

std::string RecordList(const std::vector<std::int64_t>& records) {
  std::string list;
  for (std::size_t i = 0; i < records.size(); ++i) {
    list += (i == 0 ? "" : i + 1 == records.size() ? " and " : ", ") + std::to_string(records[i]);
  }
  return list;
}

// Plans an apply: players found, fields compared, writes planned.
// Keeps the problems of a record's planned writes, each named by the
// patch row of its field.
class PatchRowProblems final : public ProblemReport {
 public:
  PatchRowProblems(std::vector<Problem>& into, std::function<std::string(const std::string&)> rowOf)
      : ProblemReport(Unsaid()), into_(into), rowOf_(std::move(rowOf)) {}

  void Add(const Problem& problem) override {
    Problem named = problem;
    if (std::string row = rowOf_(problem.column); !row.empty()) named.where = std::move(row);
    into_.push_back(std::move(named));
  }

 private:
  // Nothing is said here: the apply says its problems itself.
  static std::ostream& Unsaid() {
    static std::ostringstream unsaid;
    return unsaid;
  }

  std::vector<Problem>& into_;
  std::function<std::string(const std::string&)> rowOf_;
};

class Applier {
 public:
  Applier(const PatchInput& patch, const RosterImage& roster, std::int64_t records,
          const ApplyRules& rules)
      : patch_(patch), roster_(roster), records_(records), rules_(rules) {}

  ApplyPlan Plan(std::uint64_t fileLength) {
    if (FindPlayers()) {
      for (std::size_t i = 0; i < patch_.entries.size(); ++i) Compare(i);
      if (plan_.problems.empty()) PlanWrites(fileLength);
    }
    return std::move(plan_);
  }

 private:
  [[nodiscard]] std::unordered_map<std::string, std::vector<std::int64_t>> Index() const {
    std::unordered_map<std::string, std::vector<std::int64_t>> index;
    if (rules_.match == PatchMatch::Record) return index;
    for (std::int64_t k = 0; k < records_; ++k) {
      index[RecordKey(roster_.Record(k), rules_.match)].push_back(k);
    }
    return index;
  }

  [[nodiscard]] std::vector<std::int64_t> RecordsOf(
      const std::string& key,
      const std::unordered_map<std::string, std::vector<std::int64_t>>& index) const {
    if (rules_.match == PatchMatch::Record) {
      const std::int64_t k = std::stoll(key);
      return k >= 0 && k < records_ ? std::vector<std::int64_t>{k} : std::vector<std::int64_t>{};
    }
    const auto found = index.find(key);
    return found == index.end() ? std::vector<std::int64_t>{} : found->second;
  }

  // Each row's record; false, with the keys that name no player or more
  // than one, when any row has none.
  bool FindPlayers() {
    std::vector<std::string> order;
    std::unordered_map<std::string, std::vector<std::size_t>> rows;
    std::unordered_map<std::string, std::string> shown;
    for (std::size_t i = 0; i < patch_.entries.size(); ++i) {
      const NamedKey named = KeyOf(patch_.entries[i], rules_);
      if (!named.problem.empty()) {
        Fail(patch_.entries[i].where, KeyColumn(rules_.match), named.problem);
      } else if (auto& same = rows[named.key]; same.empty()) {
        order.push_back(named.key);
        shown[named.key] = named.shown;
        same.push_back(i);
      } else {
        same.push_back(i);
      }
    }
    const auto index = Index();
    recordOf_.resize(patch_.entries.size());
    for (const std::string& key : order) {
      const std::vector<std::int64_t> records = RecordsOf(key, index);
      if (records.size() == 1) {
        for (const std::size_t i : rows[key]) recordOf_[i] = records[0];
      } else {
        NotOnePlayer(shown[key], rows[key], records);
      }
    }
    return plan_.problems.empty();
  }

  void NotOnePlayer(const std::string& shown, const std::vector<std::size_t>& rows,
                    const std::vector<std::int64_t>& records) {
    std::string message =
        shown + (records.empty() ? " names no player" : " names records " + RecordList(records));
    if (rows.size() > 1) {
      message += " (also at";
      for (std::size_t r = 1; r < rows.size() && r <= kRowsNamed; ++r) {
        message += (r == 1 ? " " : ", ") + patch_.entries[rows[r]].where;
      }
      message += rows.size() > kRowsNamed + 1 ? ", ...)" : ")";
    }
    Fail(patch_.entries[rows[0]].where, KeyColumn(rules_.match), message);
  }

  // A cell as a value of the field: nothing where it leaves a value as is.
  std::optional<Shown> ValueOf(const PatchEntry& entry, const Cell& cell, const char* column) {
    const Taken taken = TakeCell(*entry.field, cell, rules_.fromCsv);
    if (!taken.problem.empty()) {
      Fail(entry.where, column, taken.problem);
      return std::nullopt;
    }
    return taken.value.value_or(Shown{});
  }

  void Compare(std::size_t i) {
    const PatchEntry& entry = patch_.entries[i];
    const std::int64_t k = recordOf_[i];
    const FieldId field = IdOf(*entry.field);
    const auto before = ValueOf(entry, entry.oldCell, "Old");
    const auto after = ValueOf(entry, entry.newCell, "New");
    if (!before || !after) return;
    const auto [first, fresh] = whereOf_.emplace(std::make_pair(k, field), entry.where);
    if (!fresh) {
      return Fail(
          entry.where, std::string(entry.field->name),
          "record " + std::to_string(k) + " has this field again (first at " + first->second + ")");
    }
    const RecordSpan record = roster_.Record(k);
    FieldOutcome outcome{k,
                         ShownNumber(record, FieldId::PlayerId),
                         field,
                         ShownValue(record, field),
                         *before,
                         *after,
                         FieldState::Applied,
                         entry.where};
    if (outcome.found == *after) {
      outcome.state = FieldState::AlreadyApplied;
    } else if (outcome.found != *before) {
      outcome.state = FieldState::Conflict;
    }
    if (outcome.state == FieldState::Applied ||
        (outcome.state == FieldState::Conflict && rules_.force)) {
      cells_[k][static_cast<std::size_t>(field)] = &entry.newCell;
    }
    plan_.outcomes.push_back(std::move(outcome));
  }

  // The writes of each record, checked and planned as `import` plans a
  // row; a problem names the patch row of its field.
  void PlanWrites(std::uint64_t fileLength) {
    ImportPlan writes;
    const std::string where;
    for (const auto& [k, cells] : cells_) {
      PatchRowProblems problems(plan_.problems, [this, k = k](const std::string& column) {
        const FieldDescriptor* field = FieldByName(column);
        return field != nullptr ? whereOf_[{k, IdOf(*field)}] : std::string();
      });
      const RecordSpan record = roster_.Record(k);
      RowPlanner(where, record, fileLength, rules_.fromCsv, writes, problems).Plan(cells);
    }
    plan_.spans = std::move(writes.spans);
  }

  void Fail(const std::string& where, std::string column, std::string message) {
    plan_.problems.push_back({where, std::move(column), std::move(message)});
  }

  const PatchInput& patch_;
  const RosterImage& roster_;
  std::int64_t records_;
  const ApplyRules& rules_;
  ApplyPlan plan_;
  std::vector<std::int64_t> recordOf_;                               // each row's record
  std::map<std::pair<std::int64_t, FieldId>, std::string> whereOf_;  // each field's patch row
  std::map<std::int64_t, FieldCells> cells_;                         // the New cells to write
};

}  // namespace

std::string DescribeOutcome(const FieldOutcome& outcome) {
  std::string line = RecordLabel(outcome.record, outcome.playerId) + " " +
                     std::string(Field(outcome.field).name) + ": ";
  switch (outcome.state) {
    case FieldState::Applied:
      return line + Render(outcome.oldValue) + " -> " + Render(outcome.newValue);
    case FieldState::AlreadyApplied: return line + Render(outcome.newValue) + " already";
    case FieldState::Conflict:
      return line + Render(outcome.oldValue) + " -> " + Render(outcome.newValue) +
             ", but it holds " + Render(outcome.found);
  }
  return line;
}

std::size_t ApplyPlan::Count(FieldState state) const {
  return static_cast<std::size_t>(std::count_if(
      outcomes.begin(), outcomes.end(), [&](const FieldOutcome& o) { return o.state == state; }));
}

ApplyPlan PlanApply(const PatchInput& patch, const RosterImage& roster, std::int64_t records,
                    std::uint64_t fileLength, const ApplyRules& rules) {
  return Applier(patch, roster, records, rules).Plan(fileLength);
}

}  // namespace korvale::cli
