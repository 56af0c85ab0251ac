#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "SoakControls.h"

namespace korvale::testing {

// What the file and the editor must hold after the walk's actions, worked
// out from what the user typed, picked and clicked: the expected bytes of
// the whole file, the record on display and the messages due.
class SoakModel {
 public:
  explicit SoakModel(std::string bytes);

  [[nodiscard]] const std::string& Bytes() const { return bytes_; }
  [[nodiscard]] std::int32_t Current() const { return current_; }
  [[nodiscard]] std::int64_t RecordCount() const;

  // The user left an edit holding `text`; `before` is what it held before
  // the user typed into it. True when the page refuses the text (a
  // message is due and the focus comes back to the edit).
  bool Leave(const EditControl& edit, const QString& text, const QString& before);
  void Pick(const ListControl& list, int index);
  void Check(const CheckControl& box, bool checked);

  void Forward();
  void Back();
  void Select() { current_ = 0; }
  // A choice in the player or roster list: every record with the entry's
  // id is shown in turn, so the last of them stays current.
  void Choose(const QString& entry);

  // The validation messages due since the last call.
  QStringList TakeWarnings();

 private:
  void Write(FieldId field, const std::string& stored);

  std::string bytes_;
  std::int32_t current_ = 0;
  std::vector<std::int32_t> ids_;  // PlayerId of each record; never written
  QStringList warnings_;
};

}  // namespace korvale::testing
