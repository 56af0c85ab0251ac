#pragma once

#include <QWidget>

class PageHost;

// Looks, flags and asset names of the shown player.
class CPlayerData2Page : public QWidget {
  Q_OBJECT

 public:
  CPlayerData2Page(PageHost& host, QWidget* parent);

  // Skin colour, body type, player type, hairstyle, facial hair, accessories.
  void FillLists();
  void LoadRecord();
  void Clear();

 private:
  PageHost& host_;
};
