#include "PlayerListModel.h"

#include "ListText.h"

void PlayerListModel::SetEntries(const std::vector<korvale::ListEntry>& entries) {
  beginResetModel();
  texts_.Clear();
  std::size_t bytes = 0;
  for (const korvale::ListEntry& entry : entries) bytes += entry.text.size();
  texts_.Reserve(entries.size(), bytes);
  for (const korvale::ListEntry& entry : entries) texts_.Append(entry.text);
  endResetModel();
}

void PlayerListModel::MoveEntry(int from, int to, std::string_view text) {
  const bool moves = from != to;
  if (moves) beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
  texts_.Move(static_cast<std::size_t>(from), static_cast<std::size_t>(to), text);
  if (moves) endMoveRows();
  emit dataChanged(index(to), index(to));
}

int PlayerListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(texts_.Size());
}

QVariant PlayerListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount(QModelIndex())) return {};
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  return korvale::ShownText(texts_.At(static_cast<std::size_t>(index.row())));
}
