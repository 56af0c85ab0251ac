#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include <QWidget>

#include "PageExchange.h"
#include "RecordLayout.h"
#include "WidgetControls.h"

class PageHost;
class QComboBox;

// Looks, flags and asset names of the shown player. The four appearance
// codes are characters 2 to 5 of the player package name: they apply only
// while that name starts with ":", and every change of either side is
// shown on the other by redisplaying the record.
class CPlayerData2Page : public QWidget {
  Q_OBJECT

 public:
  CPlayerData2Page(PageHost& host, QWidget* parent);

  // Skin colour, body type, player type, hairstyle, facial hair, accessories.
  void FillLists();
  void LoadRecord();
  // Close: lists emptied, boxes unticked, texts emptied. The code lists
  // keep the enabled state the last shown record gave them.
  void Clear();
  [[nodiscard]] const PageExchange& Exchange() const { return exchange_; }

 private:
  using FlagBinding = std::pair<korvale::FieldId, std::int32_t*>;
  using ListBinding = std::pair<korvale::FieldId, QComboBox*>;
  using TextBinding = std::pair<korvale::FieldId, std::string*>;

  void BindControls();
  void ConnectHandlers();
  // In the order the record is read.
  [[nodiscard]] std::array<FlagBinding, 4> Flags();
  [[nodiscard]] std::array<ListBinding, 4> CodeLists() const;
  [[nodiscard]] std::array<TextBinding, 5> Texts();

  [[nodiscard]] std::string ReadCurrent(korvale::FieldId field) const;
  void LoadListIndex(korvale::FieldId field, QComboBox* list);
  void LoadFlag(korvale::FieldId field, std::int32_t& state);
  void LoadAppearanceMarker();
  void LoadCode(korvale::FieldId field, QComboBox* list);
  void LoadText(korvale::FieldId field, std::string& text);

  // Writes the list's index in the field's stored form.
  void CommitIndex(korvale::FieldId field, const QComboBox* list, bool redisplay);
  void CommitFlag(korvale::FieldId field, const std::int32_t& state, int box);
  void CommitText(korvale::FieldId field, const std::string& text, bool redisplay, int edit);
  void Redisplay();

  PageHost& host_;
  WidgetControls controls_;
  QComboBox* accessories_ = nullptr;  // 1030
  QComboBox* facialHair_ = nullptr;   // 1029
  QComboBox* playerType_ = nullptr;   // 1028
  QComboBox* bodyType_ = nullptr;     // 1027
  QComboBox* hairStyle_ = nullptr;    // 1031
  QComboBox* skinColor_ = nullptr;    // 1026
  std::int32_t isPlayable_ = 0;       // 1040
  std::int32_t isRom_ = 0;            // 1041
  std::int32_t isHidden_ = 0;         // 1042
  std::int32_t isCreated_ = 0;        // 1039
  std::string portrait_;              // 1050
  std::string actionPhoto_;           // 1051
  std::string speechHeader_;          // 1048
  std::string speechData_;            // 1049
  std::string playerPkg_;             // 1047
  PageExchange exchange_;
};
