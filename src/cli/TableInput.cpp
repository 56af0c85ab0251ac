#include "TableInput.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <set>

#include "CsvSplitter.h"

namespace korvale::cli {
namespace {

std::string_view WithoutByteOrderMark(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return text;
}

// Collects the splitter's fields and rows, remembering the line each row
// starts on.
class CsvCollector final : public CsvSink {
 public:
  void Feed(CsvSplitter& splitter, std::string_view text) {
    for (std::size_t at = 0; at < text.size() && !failed_;) {
      std::size_t end = text.find('\n', at);
      end = end == std::string_view::npos ? text.size() : end + 1;
      const std::string_view line = text.substr(at, end - at);
      if (fields_.empty() && !inRow_ && (line == "\n" || line == "\r\n")) {
        rowLine_ = line_ + 1;
      } else if (!splitter.Feed(line)) {
        Fail(splitter.Error());
      }
      ++line_;
      at = end;
    }
    if (!failed_ && !splitter.Finish()) {
      line_ = rowLine_;  // an open quote: the row that has it
      Fail(splitter.Error());
    }
  }

  InputTable Take() { return std::move(table_); }

  void Field(std::string_view bytes) override {
    if (fields_.empty()) inRow_ = true;
    fields_.emplace_back(bytes);
  }

  void EndRow() override {
    const std::string where = std::to_string(rowLine_);
    if (!table_.header) {
      table_.header = std::move(fields_);
    } else if (fields_.size() != table_.header->size()) {
      table_.problems.push_back({where, "",
                                 std::to_string(fields_.size()) + " cells where the header has " +
                                     std::to_string(table_.header->size())});
    } else {
      InputRow row{where, {}};
      for (std::size_t i = 0; i < fields_.size(); ++i) {
        Cell cell;
        if (!fields_[i].empty()) cell = std::move(fields_[i]);
        row.cells.emplace_back((*table_.header)[i], std::move(cell));
      }
      table_.rows.push_back(std::move(row));
    }
    fields_.clear();
    inRow_ = false;
    rowLine_ = line_ + 1;
  }

 private:
  void Fail(const std::string& why) {
    failed_ = true;
    table_.problems.push_back({std::to_string(line_), "", std::string("not valid CSV: ") + why});
  }

  InputTable table_;
  std::vector<std::string> fields_;
  bool inRow_ = false;
  bool failed_ = false;
  std::size_t line_ = 1;
  std::size_t rowLine_ = 1;
};

Cell CellOf(const nlohmann::json& value) {
  using Type = nlohmann::json::value_t;
  switch (value.type()) {
    case Type::null: return {};
    case Type::string: return value.get<std::string>();
    case Type::boolean: return value.get<bool>();
    case Type::number_integer: return value.get<std::int64_t>();
    case Type::number_unsigned: {
      const auto n = value.get<std::uint64_t>();
      if (n > static_cast<std::uint64_t>(INT64_MAX)) return Unusable{"a number too large"};
      return static_cast<std::int64_t>(n);
    }
    case Type::number_float: {
      const double d = value.get<double>();
      if (std::trunc(d) == d && std::fabs(d) < 1e15) return static_cast<std::int64_t>(d);
      return Unusable{"the fraction " + value.dump()};
    }
    case Type::array: return Unusable{"an array"};
    case Type::object: return Unusable{"an object"};
    default: break;
  }
  return Unusable{"a value of unknown kind"};
}

}  // namespace

std::string FormatProblem(const Problem& problem) {
  if (problem.column.empty()) return problem.where + ": " + problem.message;
  return problem.where + ":" + problem.column + ": " + problem.message;
}

InputTable ReadCsvTable(std::string_view text) {
  CsvCollector collector;
  collector.Feed(*MakeCsvSplitter(collector), WithoutByteOrderMark(text));
  InputTable table = collector.Take();
  if (!table.header && table.problems.empty()) {
    table.problems.push_back({"1", "", "no header row"});
  }
  return table;
}

InputTable ReadJsonTable(std::string_view text) {
  InputTable table;
  std::int64_t element = -1;
  std::set<std::string> keys;
  const auto watch = [&](int depth, nlohmann::json::parse_event_t event, nlohmann::json& parsed) {
    if (event == nlohmann::json::parse_event_t::object_start && depth == 1) {
      ++element;
      keys.clear();
    } else if (event == nlohmann::json::parse_event_t::key && depth == 2 &&
               !keys.insert(parsed.get<std::string>()).second) {
      table.problems.push_back(
          {std::to_string(element), parsed.get<std::string>(), "repeated key"});
    }
    return true;
  };
  nlohmann::json document;
  try {
    document = nlohmann::json::parse(WithoutByteOrderMark(text), watch);
  } catch (const nlohmann::json::exception& e) {
    table.problems.push_back({"input", "", std::string("not valid JSON: ") + e.what()});
    return table;
  }
  if (!document.is_array()) {
    table.problems.push_back({"input", "", "not a JSON array of objects"});
    return table;
  }
  for (std::size_t i = 0; i < document.size(); ++i) {
    InputRow row{std::to_string(i), {}};
    if (!document[i].is_object()) {
      table.problems.push_back({row.where, "", "not an object"});
      continue;
    }
    for (const auto& [key, value] : document[i].items()) row.cells.emplace_back(key, CellOf(value));
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace korvale::cli
