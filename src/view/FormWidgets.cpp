#include "FormWidgets.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include "ListText.h"
#include "PlayerListModel.h"

FormWidgets::FormWidgets(QWidget* view, korvale::res::ControlMap controls)
    : view_(view), form_(view, std::move(controls)) {}

void FormWidgets::SetPages(const std::array<const WidgetControls*, 4>& pages) { pages_ = pages; }

int FormWidgets::Selection(int control) const {
  if (const auto* list = form_.Map().Get<QListWidget>(control)) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
  }
  return form_.Selection(control);
}

void FormWidgets::Select(int control, int index) {
  auto* list = form_.Map().Get<QListWidget>(control);
  if (list == nullptr) {
    form_.Select(control, index);
    return;
  }
  const bool was = std::exchange(settingRoster_, true);
  list->clearSelection();
  if (index >= 0) list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  settingRoster_ = was;
}

void FormWidgets::SetListEntries(int control, const std::vector<korvale::ListEntry>& entries) {
  if (auto* list = form_.Map().Get<QListWidget>(control)) {
    SetRosterEntries(list, entries);
  } else if (auto* combo = form_.Map().Get<QComboBox>(control)) {
    SetPlayerEntries(combo, entries);
  }
}

// The entries are sorted before they are put in, all at once.
void FormWidgets::SetPlayerEntries(QComboBox* list,
                                   const std::vector<korvale::ListEntry>& entries) {
  static_cast<PlayerListModel*>(list->model())->SetEntries(entries);
  list->setCurrentIndex(-1);
}

// The entries go in a few thousand at a time: a list of 150,000 needs no
// second list of all their texts while it fills.
void FormWidgets::SetRosterEntries(QListWidget* list,
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

void FormWidgets::MoveListEntry(int control, int from, int to, const std::string& text) {
  if (auto* list = form_.Map().Get<QListWidget>(control)) {
    const bool was = std::exchange(settingRoster_, true);
    QListWidgetItem* item = list->takeItem(from);
    item->setText(korvale::ShownText(text));
    list->insertItem(to, item);
    list->clearSelection();
    settingRoster_ = was;
  } else if (auto* combo = form_.Map().Get<QComboBox>(control)) {
    combo->setCurrentIndex(-1);
    static_cast<PlayerListModel*>(combo->model())->MoveEntry(from, to, text);
  }
}

std::optional<FormControls::PageEdit> FormWidgets::FocusedPageEdit() const {
  if (!view_) return std::nullopt;
  auto* edit = qobject_cast<QLineEdit*>(view_->window()->focusWidget());
  if (edit == nullptr) return std::nullopt;
  for (int page = 0; page < static_cast<int>(pages_.size()); ++page) {
    if (pages_[page] == nullptr) continue;
    if (const std::optional<int> id = pages_[page]->Map().IdOf(edit)) return PageEdit{page, *id};
  }
  return std::nullopt;
}

std::optional<std::string> FormWidgets::ChoosePlayerFile() {
  const std::optional<QString> path = chooser_(view_.data());
  if (!path) return std::nullopt;
  return QFile::encodeName(*path).toStdString();
}
