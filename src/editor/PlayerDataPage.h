#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ControlIds.h"
#include "FormPage.h"
#include "RecordLayout.h"

class PageControls;
class PageHost;

// The rules of the Player Data page: names, biography, number, positions,
// hand, height and weight, years pro, original team and draft data of the
// shown player. Every edit is written into the file when
// it is left, every list when the user picks in it.
class PlayerDataPage : public FormPage {
 public:
  // The page's values; the four lists hold theirs as their selection.
  struct Values {
    std::string LastName, FirstName, Nickname, BirthTown, BirthState, DraftedBy, HeightText;
    std::int32_t DraftYear = 0, PlayerNumber = 0, Weight = 0, DraftRound = 0, DraftOverall = 0,
                 DraftPlace = 0, YearsPro = 0, Height = 0, BirthDay = 0, BirthMonth = 0,
                 BirthYear = 0;
  };

  // The page's controls, named here as well.
  using enum korvale::res::playerdata::Control;

  PlayerDataPage(PageHost& host, PageControls& controls);
  PlayerDataPage(const PlayerDataPage&) = delete;
  PlayerDataPage& operator=(const PlayerDataPage&) = delete;

  // Filled by Select in this order: positions, original team, then the
  // form's team choice, then hand.
  void FillLists() override;
  void FillPositionLists();
  void FillOriginalTeamList();
  void FillHandList();
  // The readers of the shown record, the view's PlayerId and Team among
  // them. File errors pass to the caller's boundary.
  void LoadRecord() override;
  // Close: lists emptied, values 0 or empty, shown.
  void Clear() override;

  // The commits, each with the event of its control that runs it.
  [[nodiscard]] std::vector<PageCommit> Commits() override;
  [[nodiscard]] PageExchange& Exchange() override { return exchange_; }
  [[nodiscard]] const PageExchange& Exchange() const override { return exchange_; }
  [[nodiscard]] const Values& Data() const { return values_; }

 private:
  void DeclareExchange();

  // Field readers.
  [[nodiscard]] std::string Read(korvale::FieldId field);
  void ReadText(korvale::FieldId field, std::string& value);
  void ReadInteger(korvale::FieldId field, std::int32_t& value);
  [[nodiscard]] std::int32_t ReadCode(korvale::FieldId field);
  void ReadHeight();
  void ReadDraftedBy();
  void ReadSecondPosition();
  void ReadList(korvale::FieldId field, int list);

  PageHost& host_;
  PageControls& controls_;
  Values values_;
  PageExchange exchange_;
};
