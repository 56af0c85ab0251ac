#include "EditingRunner.h"

#include <algorithm>
#include <fstream>

#include "DbaseHeader.h"
#include "MessageLog.h"
#include "PlayerFileBuilder.h"
#include "ResourceIds.h"

namespace korvale::testing {
namespace {

const char* KindName(StepKind kind) {
  switch (kind) {
    case StepKind::Enter: return "Enter";
    case StepKind::Type: return "Type";
    case StepKind::Escape: return "Escape";
    case StepKind::Pick: return "Pick";
    case StepKind::Click: return "Click";
    case StepKind::Command: return "Command";
    case StepKind::PickPlayer: return "PickPlayer";
    case StepKind::WheelPlayer: return "WheelPlayer";
    case StepKind::PickTeam: return "PickTeam";
    case StepKind::ClickRoster: return "ClickRoster";
    case StepKind::ChooseTab: return "ChooseTab";
  }
  return "?";
}

std::string Describe(const EditingStep& step) {
  std::string text = KindName(step.kind);
  if (step.page >= 0) text += " page " + std::to_string(step.page);
  if (step.control != 0) text += " control " + std::to_string(step.control);
  if (step.kind == StepKind::Pick || step.kind == StepKind::PickPlayer ||
      step.kind == StepKind::PickTeam || step.kind == StepKind::ClickRoster) {
    text += " entry " + std::to_string(step.index);
  }
  if (!step.text.empty()) text += " \"" + step.text + "\"";
  return text;
}

void Perform(const EditingStep& step, EditingDriver& driver) {
  switch (step.kind) {
    case StepKind::Enter:
      driver.Type(step.page, step.control, step.text);
      driver.Tab();
      break;
    case StepKind::Type: driver.Type(step.page, step.control, step.text); break;
    case StepKind::Escape: driver.Escape(); break;
    case StepKind::Pick: driver.Pick(step.page, step.control, step.index); break;
    case StepKind::Click: driver.Click(step.page, step.control); break;
    case StepKind::Command: driver.Command(step.control); break;
    case StepKind::PickPlayer: driver.PickPlayer(step.index); break;
    case StepKind::WheelPlayer: driver.WheelPlayerList(); break;
    case StepKind::PickTeam: driver.PickTeam(step.index); break;
    case StepKind::ClickRoster: driver.ClickRosterRow(step.index); break;
    case StepKind::ChooseTab: driver.ChooseTab(step.page); break;
  }
}

std::string Joined(const std::vector<std::string>& texts) {
  std::string joined = "{";
  for (const std::string& text : texts) joined += (joined.size() > 1 ? " | \"" : "\"") + text + '"';
  return joined + "}";
}

// The field (or header byte) an offset falls in, as "record k Name".
std::string PlaceOf(std::size_t offset) {
  if (offset < kDbaseHeaderLength) return "header byte " + std::to_string(offset);
  const std::size_t record = (offset - kDbaseHeaderLength) / kRecordLength;
  const std::size_t inRecord0 = offset - record * kRecordLength;
  // The narrowest field: the appearance codes lie inside PlayerPkg.
  const FieldDescriptor* in = nullptr;
  for (const FieldDescriptor& field : kRecordLayout) {
    if (inRecord0 >= field.position && inRecord0 < field.position + field.readWidth &&
        (in == nullptr || field.readWidth < in->readWidth)) {
      in = &field;
    }
  }
  return "record " + std::to_string(record) + " " +
         (in != nullptr ? std::string(in->name) : "byte " + std::to_string(inRecord0));
}

// Each place where the file differs from the image, once.
std::vector<std::string> Differences(const std::string& expected, const std::string& actual) {
  std::vector<std::string> faults;
  if (expected.size() != actual.size()) {
    faults.push_back("file length " + std::to_string(actual.size()) + ", expected " +
                     std::to_string(expected.size()));
  }
  const std::size_t common = std::min(expected.size(), actual.size());
  for (std::size_t i = 0; i < common; ++i) {
    if (expected[i] == actual[i]) continue;
    std::string place = PlaceOf(i);
    if (!faults.empty() && faults.back().starts_with(place + ":")) continue;
    std::size_t end = i;
    while (end < common && PlaceOf(end) == place) ++end;
    faults.push_back(place + ": \"" + actual.substr(i, end - i) + "\", expected \"" +
                     expected.substr(i, end - i) + "\"");
    i = end - 1;
  }
  return faults;
}

std::vector<std::string> WithPath(std::vector<std::string> texts, const std::string& path) {
  for (std::string& text : texts) {
    if (const std::size_t at = text.find("%1"); at != std::string::npos) {
      text.replace(at, 2, path);
    }
  }
  return texts;
}

class CaseRun {
 public:
  CaseRun(const EditingCase& editingCase, EditingDriver& driver)
      : case_(editingCase), driver_(driver), path_(dir_ / "Players.dbf") {
    std::ofstream(path_, std::ios::binary) << editingCase.file;
    image_ = editingCase.file;
    const std::u8string utf8 = path_.u8string();
    pathText_.assign(utf8.begin(), utf8.end());
    driver_.AnswerFileDialog(pathText_);
  }

  std::vector<std::string> Run() {
    if (case_.selected) {
      EditingStep select(StepKind::Command);
      select.control = res::kIdSelect;
      select.ShowsRecord(0);
      if (!Take(select, "the opening Select")) return faults_;
    }
    for (std::size_t i = 0; i < case_.steps.size(); ++i) {
      const EditingStep& step = case_.steps[i];
      if (!Take(step, "step " + std::to_string(i + 1) + " (" + Describe(step) + ")")) break;
    }
    return faults_;
  }

 private:
  // Takes the step and checks what it left; false when anything is off.
  bool Take(const EditingStep& step, const std::string& name) {
    Perform(step, driver_);
    for (const Write& write : step.writes) {
      image_.replace(Field(write.field).OffsetIn(write.record), write.bytes.size(), write.bytes);
    }
    const std::size_t before = faults_.size();
    const std::string actual = ReadAll(path_);
    for (const std::string& difference : Differences(image_, actual)) Fault(name, difference);
    image_ = actual;
    MessageLog& messages = driver_.Messages();
    Compare(name, "warnings", messages.warnings, WithPath(step.warnings, pathText_));
    Compare(name, "stops", messages.stops, WithPath(step.stops, pathText_));
    messages.Clear();
    if (step.record && driver_.ShownRecord() != *step.record) {
      Fault(name, "record " + std::to_string(driver_.ShownRecord()) + " shown, expected " +
                      std::to_string(*step.record));
    }
    if (step.shows) {
      const std::string text = driver_.Text(step.shows->page, step.shows->control);
      if (text != step.shows->text) {
        Fault(name, "control " + std::to_string(step.shows->control) + " shows \"" + text +
                        "\", expected \"" + step.shows->text + "\"");
      }
    }
    return faults_.size() == before;
  }

  void Compare(const std::string& name, const char* what, const std::vector<std::string>& actual,
               const std::vector<std::string>& expected) {
    if (actual != expected) {
      Fault(name, std::string(what) + " " + Joined(actual) + ", expected " + Joined(expected));
    }
  }

  void Fault(const std::string& name, const std::string& what) {
    faults_.push_back(case_.name + ", " + name + ": " + what);
  }

  const EditingCase& case_;
  EditingDriver& driver_;
  TempDir dir_;
  std::filesystem::path path_;
  std::string pathText_;
  std::string image_;
  std::vector<std::string> faults_;
};

}  // namespace

std::vector<std::string> RunEditingCase(const EditingCase& editingCase, EditingDriver& driver) {
  return CaseRun(editingCase, driver).Run();
}

}  // namespace korvale::testing
