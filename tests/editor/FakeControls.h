#pragma once

#include <map>
#include <string>
#include <vector>

#include "FakePageHost.h"
#include "FormControls.h"
#include "MessageLog.h"
#include "PageControls.h"

// Controls as plain values: new entries drop a list's selection; a focus
// return runs at once, unless `deferFocus` keeps it in `pending`.
class FakeControls : public virtual PageControls {
 public:
  [[nodiscard]] std::string Text(int c) const override {
    return texts.contains(c) ? texts.at(c) : "";
  }
  void SetText(int c, const std::string& text) override { texts[c] = text; }
  void LimitText(int c, int limit, const std::string&) override { limits[c] = limit; }
  [[nodiscard]] bool Checked(int c) const override { return checks.contains(c) && checks.at(c); }
  void SetChecked(int c, bool checked) override { checks[c] = checked; }
  void SetEntries(int c, const std::vector<std::string_view>& e) override {
    entries[c] = e;
    selections.erase(c);
  }
  [[nodiscard]] int Selection(int c) const override {
    return selections.contains(c) ? selections.at(c) : -1;
  }
  // A list with entries selects none for an index without one.
  void Select(int c, int index) override {
    const bool none = entries.contains(c) && (index < 0 || index >= std::ssize(entries[c]));
    selections[c] = none ? -1 : index;
  }
  void SetEnabled(int c, bool enabled) override { this->enabled[c] = enabled; }
  void FocusLater(int c, std::function<void()> done) override {
    focus = c;
    if (deferFocus) {
      pending = std::move(done);
    } else {
      done();
    }
  }

  std::map<int, std::string> texts;
  std::map<int, int> limits;
  std::map<int, bool> checks;
  std::map<int, std::vector<std::string_view>> entries;
  std::map<int, int> selections;
  std::map<int, bool> enabled;
  int focus = 0;
  bool deferFocus = false;
  std::function<void()> pending;
};

// The form's own controls as plain values too; the lists keep their texts
// and, as lists do, select only an entry they have.
class FakeFormControls final : public FakeControls, public FormControls {
 public:
  void Select(int c, int index) override {
    if (!lists.contains(c)) return FakeControls::Select(c, index);
    selections[c] = index >= 0 && index < std::ssize(lists[c]) ? index : -1;
  }
  void SetListEntries(int c, const std::vector<korvale::ListEntry>& e) override {
    lists[c].clear();
    for (const korvale::ListEntry& entry : e) lists[c].push_back(entry.text);
    selections.erase(c);
  }
  void MoveListEntry(int c, int from, int to, const std::string& text) override {
    lists[c].erase(lists[c].begin() + from);
    lists[c].insert(lists[c].begin() + to, text);
    selections.erase(c);
  }
  [[nodiscard]] std::optional<PageEdit> FocusedPageEdit() const override { return focused; }

  std::map<int, std::vector<std::string>> lists;
  std::optional<PageEdit> focused;
};

using FakeHost = FakePageHost<MessageLog>;
