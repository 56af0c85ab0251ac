#pragma once

#include <string_view>
#include <vector>

#include <QAbstractListModel>

#include "ListOrder.h"
#include "PooledTexts.h"

// The player list's entries as file text (Windows-1252) in one buffer,
// decoded only when the list asks for one: a list of 150,000 players
// costs a few megabytes, not a string object and its bookkeeping each.
class PlayerListModel final : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  // The entries' texts, in this order.
  void SetEntries(const std::vector<korvale::ListEntry>& entries);
  // Entry `from` takes `text` and moves to place `to` among the others.
  void MoveEntry(int from, int to, std::string_view text);

  [[nodiscard]] int rowCount(const QModelIndex& parent) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

 private:
  korvale::PooledTexts texts_;
};
