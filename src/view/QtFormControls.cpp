#include "QtFormControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include "ListText.h"
#include "PlayerListModel.h"
#include "QtFormPage.h"

QtFormControls::QtFormControls(QWidget* view, korvale::res::ControlMap controls)
    : QtPageControls(view, std::move(controls)), view_(view) {}

int QtFormControls::Selection(int control) const {
  if (const auto* list = Map().Get<QListWidget>(control)) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
  }
  return QtPageControls::Selection(control);
}

void QtFormControls::Select(int control, int index) {
  auto* list = Map().Get<QListWidget>(control);
  if (list == nullptr) {
    QtPageControls::Select(control, index);
    return;
  }
  const bool was = std::exchange(settingRoster_, true);
  list->clearSelection();
  if (index >= 0) list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  settingRoster_ = was;
}

void QtFormControls::SetListEntries(int control, const std::vector<korvale::ListEntry>& entries) {
  if (auto* list = Map().Get<QListWidget>(control)) {
    SetRosterEntries(list, entries);
  } else if (auto* combo = Map().Get<QComboBox>(control)) {
    SetPlayerEntries(combo, entries);
  }
}

// The entries are sorted before they are put in, all at once.
void QtFormControls::SetPlayerEntries(QComboBox* list,
                                      const std::vector<korvale::ListEntry>& entries) {
  static_cast<PlayerListModel*>(list->model())->SetEntries(entries);
  list->setCurrentIndex(-1);
}

// The entries go in a few thousand at a time: a list of 150,000 needs no
// second list of all their texts while it fills.
void QtFormControls::SetRosterEntries(QListWidget* list,
                                      const std::vector<korvale::ListEntry>& entries) {
  const bool was = std::exchange(settingRoster_, true);
  list->clear();
  constexpr std::size_t kChunk = 4096;
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(std::min(entries.size(), kChunk)));
  for (std::size_t first = 0; first < entries.size(); first += kChunk) {
    texts.clear();
    const std::size_t end = std::min(entries.size(), first + kChunk);
    for (std::size_t k = first; k < end; ++k) texts << korvale::ShownText(entries[k].text);
    list->addItems(texts);
  }
  settingRoster_ = was;
}

void QtFormControls::MoveListEntry(int control, int from, int to, const std::string& text) {
  if (auto* list = Map().Get<QListWidget>(control)) {
    const bool was = std::exchange(settingRoster_, true);
    QListWidgetItem* item = list->takeItem(from);
    item->setText(korvale::ShownText(text));
    list->insertItem(to, item);
    list->clearSelection();
    settingRoster_ = was;
  } else if (auto* combo = Map().Get<QComboBox>(control)) {
    combo->setCurrentIndex(-1);
    static_cast<PlayerListModel*>(combo->model())->MoveEntry(from, to, text);
  }
}

std::optional<FormControls::PageEdit> QtFormControls::FocusedPageEdit() const {
  if (!view_) return std::nullopt;
  auto* edit = qobject_cast<QLineEdit*>(view_->window()->focusWidget());
  if (edit == nullptr) return std::nullopt;
  for (int page = 0; page < static_cast<int>(pages_.size()); ++page) {
    if (const std::optional<int> id = pages_[page]->Controls().Map().IdOf(edit)) {
      return PageEdit{page, *id};
    }
  }
  return std::nullopt;
}
