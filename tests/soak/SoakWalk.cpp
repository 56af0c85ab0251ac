#include "SoakWalk.h"

#include <cstdlib>
#include <iostream>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "PlayerFileBuilder.h"
#include "QtFormPage.h"
#include "TabControl.h"
#include "UserInput.h"
#include "ViewHarness.h"
#include "ViewState.h"

namespace korvale::testing {
namespace {

// What a file dialog answers: always this file.
CKorvaleView::FileChooser Always(const std::filesystem::path& file) {
  const QString path = QString::fromStdString(file.string());
  return [path](QWidget*) { return std::optional<QString>(path); };
}

// The reasons for which leaving an edit commits it.
bool Commits(Qt::FocusReason reason) {
  return reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason &&
         reason != Qt::ActiveWindowFocusReason;
}

std::string Text(const QString& text) { return text.toStdString(); }

}  // namespace

SoakWalk::SoakWalk(std::uint32_t seed, const std::filesystem::path& file)
    : seed_(seed),
      rng_(seed),
      file_(file),
      view_(SystemFileSystem(), messages_),
      fresh_(readOnly_, freshMessages_),
      model_(ReadAll(file)),
      trace_(std::getenv("KORVALE_SOAK_TRACE") != nullptr) {
  view_.SetFileChooser(Always(file));
  fresh_.SetFileChooser(Always(file));
  view_.resize(800, 600);
  for (const EditControl& edit : EditControls()) {
    leaves_.Watch(ControlOf<QLineEdit>(view_, edit.tab, edit.id), &edit);
  }
  qApp->installEventFilter(&leaves_);
}

SoakWalk::~SoakWalk() { qApp->removeEventFilter(&leaves_); }

std::string SoakWalk::Run(int actions) {
  if (!ShowActive(&view_)) return "the editor window never became active";
  view_.Select();
  if (std::string failed = Check(Display::Full); !failed.empty()) return "at Select: " + failed;
  for (int i = 0; i < actions; ++i) {
    Display display = Display::None;
    const std::string action = Act(display);
    ++counts_.actions;
    if (trace_)
      std::cerr << i << ": " << action << " [team " << view_.TeamChoice()->currentIndex()
                << ", record " << view_.File().CurrentRecord() << "]\n";
    if (std::string failed = Check(display); !failed.empty()) {
      return "seed " + std::to_string(seed_) + ", action " + std::to_string(i) + " (" + action +
             "): " + failed;
    }
  }
  return {};
}

std::string SoakWalk::Act(Display& display) {
  typed_ = nullptr;
  // Weights of: edit, Tab, list pick, check box, Forward, Back, player
  // choice, roster choice, team choice, tab, Close and Select.
  static const std::vector<double> weights{40, 6, 10, 5, 8, 8, 6, 6, 3, 5, 2};
  switch (std::discrete_distribution<int>(weights.begin(), weights.end())(rng_)) {
    case 0: return EditAndLeave();
    case 1:
      PressTab();
      Settle();
      return "Tab";
    case 2: return PickInList();
    case 3: return ClickCheckBox();
    case 4: return Move(true, display);
    case 5: return Move(false, display);
    case 6: return ChoosePlayer(display);
    case 7: return ChooseRosterRow(display);
    case 8: return ChooseTeam();
    case 9: {
      const int tab = Below(4);
      OpenTab(tab);
      return "tab " + std::to_string(tab);
    }
    default: display = Display::Full; return CloseAndSelect();
  }
}

void SoakWalk::OpenTab(int tab) {
  if (view_.TabControl()->CurrentIndex() != tab) ChooseTab(view_, tab);
  Settle();
}

const EditControl* SoakWalk::Settle() {
  const EditControl* refused = nullptr;
  for (const LeaveRecorder::Leave& leave : leaves_.Take()) {
    if (!Commits(leave.reason)) continue;
    // Until the focus is back in a refused edit, its page ignores leaving.
    if (refused != nullptr && refused->tab == leave.edit->tab) continue;
    const QString before = leave.edit == typed_ ? typedOver_ : leave.text;
    if (model_.Leave(*leave.edit, leave.text, before)) refused = leave.edit;
  }
  return refused;
}

std::string SoakWalk::EditAndLeave() {
  const EditControl& edit =
      EditControls()[static_cast<std::size_t>(Below(static_cast<int>(EditControls().size())))];
  OpenTab(edit.tab);
  auto* box = ControlOf<QLineEdit>(view_, edit.tab, edit.id);
  const QString text = Typed(edit);
  typed_ = &edit;
  typedOver_ = box->text();
  TypeInto(box, text);
  std::string how = "Tab";
  if (Below(10) < 3) {  // leave by clicking into another edit of the page
    std::vector<const EditControl*> others;
    for (const EditControl& e : EditControls()) {
      if (e.tab == edit.tab && &e != &edit) others.push_back(&e);
    }
    const EditControl* other =
        others[static_cast<std::size_t>(Below(static_cast<int>(others.size())))];
    auto* target = ControlOf<QLineEdit>(view_, other->tab, other->id);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    QApplication::processEvents();
    how = "click into " + std::to_string(other->id);
  } else {
    PressTab();
  }
  std::string description = "type \"" + Text(text) + "\" into " + std::to_string(edit.tab) + "/" +
                            std::to_string(edit.id) + ", " + how;
  if (Settle() == &edit) {  // refused: the user puts it right
    ++counts_.refusals;
    const QString valid = ValidInteger(edit);
    TypeInto(box, valid);
    PressTab();
    Settle();
    description += ", refused, then \"" + Text(valid) + "\"";
  }
  return description;
}

std::string SoakWalk::PickInList() {
  const ListControl& list =
      ListControls()[static_cast<std::size_t>(Below(static_cast<int>(ListControls().size())))];
  OpenTab(list.tab);
  auto* combo = ControlOf<QComboBox>(view_, list.tab, list.id);
  if (!combo->isEnabled() || combo->count() == 0) return "no pick in a disabled list";
  const int index = Below(combo->count());
  PickEntry(combo, index);
  Settle();
  model_.Pick(list, index);
  return "pick " + std::to_string(index) + " in " + std::to_string(list.tab) + "/" +
         std::to_string(list.id);
}

std::string SoakWalk::ClickCheckBox() {
  const CheckControl& check =
      CheckControls()[static_cast<std::size_t>(Below(static_cast<int>(CheckControls().size())))];
  OpenTab(check.tab);
  auto* box = ControlOf<QCheckBox>(view_, check.tab, check.id);
  const bool checked = !box->isChecked();
  ClickButton(box);
  Settle();
  model_.Check(check, checked);
  return "click " + std::to_string(check.id);
}

// Forward on the last record and Back on the first do nothing at all.
std::string SoakWalk::Move(bool forward, Display& display) {
  const std::int32_t from = model_.Current();
  forward ? view_.Forward() : view_.Back();
  forward ? model_.Forward() : model_.Back();
  if (model_.Current() != from) display = Display::Full;
  return forward ? "Forward" : "Back";
}

// Clicking into the list takes the focus first: a name commit may rebuild
// the list before it opens, so the user picks from what it then shows.
std::string SoakWalk::ChoosePlayer(Display& display) {
  QComboBox* list = view_.PlayerList();
  OpenList(list);
  Settle();
  if (list->count() == 0) {
    list->hidePopup();
    return "no player to choose";
  }
  const int index = Below(list->count());
  const QString entry = list->itemText(index);
  PickInOpenList(list, index);
  model_.Choose(entry);
  display = Display::Full;
  return "choose player \"" + Text(entry) + "\"";
}

// The click takes the focus first: a name commit may rebuild the roster
// list under the mouse, and the row the click then selects is the choice.
std::string SoakWalk::ChooseRosterRow(Display& display) {
  QListWidget* roster = view_.RosterList();
  if (roster->count() == 0) return "no roster row to choose";
  const int row = Below(roster->count());
  QString chosen;
  const auto watch = QObject::connect(roster, &QListWidget::itemSelectionChanged, [&] {
    const QList<QListWidgetItem*> selected = roster->selectedItems();
    if (!selected.isEmpty()) chosen = selected.front()->text();
  });
  ClickRosterRow(view_, row);
  QObject::disconnect(watch);
  Settle();
  if (chosen.isEmpty()) return "click the chosen roster row " + std::to_string(row);
  model_.Choose(chosen);
  display = Display::AfterRosterChoice;
  return "choose roster row \"" + Text(chosen) + "\"";
}

std::string SoakWalk::ChooseTeam() {
  const int team = Below(32);
  PickTeamEntry(view_, team);
  Settle();
  return "choose team " + std::to_string(team);
}

std::string SoakWalk::CloseAndSelect() {
  view_.Close();
  view_.Select();
  Settle();
  model_.Select();
  return "Close, Select";
}

QString SoakWalk::Typed(const EditControl& edit) {
  if (edit.integer) {
    static const char* const kNotIntegers[] = {"", "abc", "1x", "--3", "+", "7.5"};
    const int roll = Below(20);
    if (roll == 0) return kNotIntegers[Below(6)];
    if (roll == 1) return QString::number(edit.low - 1 - Below(3));
    if (roll == 2) return QString::number(static_cast<std::int64_t>(edit.high) + 1 + Below(3));
    return ValidInteger(edit);
  }
  static const QString kLetters = QString::fromUtf8("abcdefgXYZ 0123456789-'.\xC3\xA9\xE2\x82\xAC");
  QString text;
  if (edit.field == FieldId::PlayerPkg && Below(2) == 0) {
    text = ":";  // appearance codes that apply
    for (int i = 0; i < 4; ++i) text += QChar('A' + Below(7));
  }
  const int length = Below(edit.limit - static_cast<int>(text.size()) + 1);
  for (int i = 0; i < length; ++i) text += kLetters[Below(static_cast<int>(kLetters.size()))];
  return text;
}

QString SoakWalk::ValidInteger(const EditControl& edit) {
  // Season totals are mostly small.
  const std::int32_t high = edit.high == 99999 && Below(4) > 0 ? std::int32_t{999} : edit.high;
  const QString number =
      QString::number(std::uniform_int_distribution<std::int32_t>(edit.low, high)(rng_));
  return Below(8) == 0 ? " " + number + " " : number;
}

std::string SoakWalk::Check(Display display) {
  if (std::string failed = CheckFile(); !failed.empty()) return failed;
  if (!messages_.stops.empty()) {
    return "a stop message: " + Text(QtTexts(messages_.stops).join(" / "));
  }
  const QStringList due = model_.TakeWarnings();
  if (const QStringList shown = QtTexts(messages_.warnings); shown != due) {
    return "messages \"" + Text(shown.join(" / ")) + "\", expected \"" + Text(due.join(" / ")) +
           "\"";
  }
  messages_.Clear();
  if (view_.File().CurrentRecord() != model_.Current()) {
    return "record " + std::to_string(view_.File().CurrentRecord()) + " on display, expected " +
           std::to_string(model_.Current());
  }
  if (display == Display::None) return {};
  ++counts_.displays;
  const QString differences = CompareWithFreshReading(display);
  return differences.isEmpty() ? std::string()
                               : "shown unlike a fresh reading:\n" + Text(differences);
}

std::string SoakWalk::CheckFile() const {
  const std::string bytes = ReadAll(file_);
  const std::string& expected = model_.Bytes();
  if (bytes.size() != expected.size()) {
    return "file length " + std::to_string(bytes.size()) + ", expected " +
           std::to_string(expected.size());
  }
  const auto [mine, theirs] = std::mismatch(bytes.begin(), bytes.end(), expected.begin());
  if (mine == bytes.end()) return {};
  const std::uint64_t offset = static_cast<std::uint64_t>(mine - bytes.begin());
  if (offset < FirstFieldPosition()) return "header byte " + std::to_string(offset) + " differs";
  const std::uint64_t record = (offset - FirstFieldPosition()) / kRecordLength;
  const auto position = static_cast<std::uint16_t>(offset - record * kRecordLength);
  std::string where = "record " + std::to_string(record) + " at " + std::to_string(position);
  for (const FieldDescriptor& f : kRecordLayout) {
    if (position >= f.position && position < f.position + f.readWidth) {
      where += " (" + std::string(f.name) + ": \"" + bytes.substr(f.OffsetIn(record), f.readWidth) +
               "\", expected \"" + expected.substr(f.OffsetIn(record), f.readWidth) + "\")";
    }
  }
  if (!IsFieldByte(position)) where += " (outside the fields)";
  return "file byte " + std::to_string(offset) + " differs: " + where;
}

}  // namespace korvale::testing
