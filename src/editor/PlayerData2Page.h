#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "FormPage.h"
#include "RecordLayout.h"

class PageControls;
class PageHost;

// The rules of the Player Data 2 page: looks, flags and asset names of the
// shown player. The four appearance codes are characters 2 to 5 of the
// player package name: they apply only while that name starts with ":",
// and every change of either side is shown on the other by redisplaying
// the record.
class PlayerData2Page : public FormPage {
 public:
  PlayerData2Page(PageHost& host, PageControls& controls);
  PlayerData2Page(const PlayerData2Page&) = delete;
  PlayerData2Page& operator=(const PlayerData2Page&) = delete;

  // Skin colour, body type, player type, hairstyle, facial hair, accessories.
  void FillLists() override;
  void LoadRecord() override;
  // Close: lists emptied, boxes unticked, texts emptied. The code lists
  // keep the enabled state the last shown record gave them.
  void Clear() override;

  [[nodiscard]] std::vector<PageCommit> Commits() override;
  [[nodiscard]] PageExchange& Exchange() override { return exchange_; }
  [[nodiscard]] const PageExchange& Exchange() const override { return exchange_; }

 private:
  // A box or an edit: its control, its field and the page value it shows.
  template <typename Value>
  struct Binding {
    int control;
    korvale::FieldId field;
    Value* value;
  };
  using FlagBinding = Binding<std::int32_t>;
  using ListBinding = std::pair<korvale::FieldId, int>;
  using TextBinding = Binding<std::string>;

  // In the order the record is read.
  [[nodiscard]] std::array<FlagBinding, 4> Flags();
  [[nodiscard]] static std::array<ListBinding, 4> CodeLists();
  [[nodiscard]] std::array<TextBinding, 5> Texts();

  [[nodiscard]] std::string ReadCurrent(korvale::FieldId field) const;
  void LoadListIndex(korvale::FieldId field, int list);
  void LoadFlag(korvale::FieldId field, std::int32_t& state);
  void LoadAppearanceMarker();
  void LoadCode(korvale::FieldId field, int list);
  void LoadText(korvale::FieldId field, std::string& text);

  // Writes the list's index in the field's stored form.
  void CommitIndex(korvale::FieldId field, int list, bool redisplay);
  void CommitFlag(korvale::FieldId field, const std::int32_t& state, int box);
  void CommitText(korvale::FieldId field, const std::string& text, bool redisplay, int edit);
  void Redisplay();

  PageHost& host_;
  PageControls& controls_;
  std::int32_t isPlayable_ = 0;
  std::int32_t isRom_ = 0;
  std::int32_t isHidden_ = 0;
  std::int32_t isCreated_ = 0;
  std::string portrait_;
  std::string actionPhoto_;
  std::string speechHeader_;
  std::string speechData_;
  std::string playerPkg_;
  std::string appearanceMarker_;  // its first character as last read
  PageExchange exchange_;
};
