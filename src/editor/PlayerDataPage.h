#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FormPage.h"
#include "RecordLayout.h"

class PageControls;
class PageHost;

// The rules of the Player Data page (template 130): names, biography,
// number, positions, hand, height and weight, years pro, original team and
// draft data of the shown player. Every edit is written into the file when
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

  // Control ids of template 130.
  enum Control : int {
    kFirstName = 1002,
    kLastName = 1003,
    kNickname = 1004,
    kBirthMonth = 1005,
    kBirthTown = 1006,
    kBirthState = 1007,
    kPlayerNumber = 1008,
    kHeight = 1009,
    kWeight = 1010,
    kHeightText = 1011,
    kPosition = 1012,
    kSecondPosition = 1013,
    kHand = 1014,
    kOriginalTeam = 1015,
    kDraftYear = 1016,
    kDraftedBy = 1017,
    kYearsPro = 1018,
    kDraftRound = 1019,
    kDraftOverall = 1020,
    kSchool = 1021,
    kDraftPlace = 1023,
    kBirthDay = 1024,
    kBirthYear = 1025,
  };

  PlayerDataPage(PageHost& host, PageControls& controls);
  PlayerDataPage(const PlayerDataPage&) = delete;
  PlayerDataPage& operator=(const PlayerDataPage&) = delete;

  // Positions (1012, 1013), original team (1015), then the form's team
  // choice, then hand (1014).
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
