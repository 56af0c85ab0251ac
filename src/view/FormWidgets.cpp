#include "FormWidgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStringListModel>

#include "ListText.h"
#include "QtFormPage.h"

FormWidgets::FormWidgets(QWidget* view, korvale::res::ControlMap controls)
    : view_(view), form_(view, std::move(controls)) {}

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
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(entries.size()));
  for (const korvale::ListEntry& entry : entries) texts << korvale::ShownText(entry.text);
  static_cast<QStringListModel*>(list->model())->setStringList(texts);
  list->setCurrentIndex(-1);
}

// All entries go in at once.
void FormWidgets::SetRosterEntries(QListWidget* list,
                                   const std::vector<korvale::ListEntry>& entries) {
  const bool was = std::exchange(settingRoster_, true);
  list->clear();
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(entries.size()));
  for (const korvale::ListEntry& entry : entries) texts << korvale::ShownText(entry.text);
  list->addItems(texts);
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
    QAbstractItemModel* model = combo->model();
    model->setData(model->index(from, 0), korvale::ShownText(text));
    if (to != from) model->moveRow(QModelIndex(), from, QModelIndex(), to > from ? to + 1 : to);
  }
}

std::optional<FormControls::PageEdit> FormWidgets::FocusedPageEdit() const {
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
