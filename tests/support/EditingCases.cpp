#include "EditingCases.h"

#include "ControlIds.h"
#include "DbaseHeader.h"
#include "PlayerDataPage.h"
#include "PlayerFileBuilder.h"
#include "ResourceIds.h"
#include "SampleRoster.h"

namespace korvale::testing {
namespace {

namespace ids2 = res::playerdata2;
using P = PlayerDataPage;

// The pages in tab order.
constexpr int kData = 0;
constexpr int kData2 = 1;
constexpr int kRatings = 2;
constexpr int kSeason = 3;
using res::ratings::kJumpShooting;
using res::ratings::kShootingRange;
using res::season::kGames;

EditingStep Step(StepKind kind, int page = -1, int control = 0, int index = 0,
                 std::string text = {}) {
  EditingStep step(kind);
  step.page = page;
  step.control = control;
  step.index = index;
  step.text = std::move(text);
  return step;
}
EditingStep Enter(int page, int control, std::string text) {
  return Step(StepKind::Enter, page, control, 0, std::move(text));
}
EditingStep Type(int page, int control, std::string text) {
  return Step(StepKind::Type, page, control, 0, std::move(text));
}
EditingStep Escape() { return Step(StepKind::Escape); }
EditingStep Pick(int page, int control, int index) {
  return Step(StepKind::Pick, page, control, index);
}
EditingStep Click(int page, int control) { return Step(StepKind::Click, page, control); }
EditingStep Command(int id) { return Step(StepKind::Command, -1, id); }
EditingStep PickPlayer(int index) { return Step(StepKind::PickPlayer, -1, 0, index); }
EditingStep WheelPlayer() { return Step(StepKind::WheelPlayer); }
EditingStep PickTeam(int index) { return Step(StepKind::PickTeam, -1, 0, index); }
EditingStep ClickRoster(int row) { return Step(StepKind::ClickRoster, -1, 0, row); }
EditingStep ChooseTab(int page) { return Step(StepKind::ChooseTab, page); }

// A text as its field stores it: space-filled to the width written.
std::string Stored(FieldId field, std::string_view text) {
  std::string bytes(text);
  bytes.resize(Field(field).writeWidth, ' ');
  return bytes;
}

// Three players, every field in a form the pages accept and write back
// unchanged, so that leaving an edit as it is writes the same bytes:
//   0 Moss, Eli   101 team 2 slot 4
//   1 Avery, Tom  102 team 2 slot 0
//   2 Brook, Sam  103 team 4 slot 1
// The player list reads Avery, Brook, Moss; the roster of team 2
// " 1 |  Avery", " 5 |  Moss". Weight 215, height 80, not playable, the
// appearance codes apply (package ":BCDE").
PlayerFileBuilder ThreePlayers() {
  const struct {
    const char* last;
    const char* first;
    int id, team, slot;
  } players[] = {
      {"Moss", "Eli", 101, 2, 4}, {"Avery", "Tom", 102, 2, 0}, {"Brook", "Sam", 103, 4, 1}};
  PlayerFileBuilder b(3);
  for (int k = 0; k < 3; ++k) {
    const auto& p = players[k];
    b.At(kDbaseHeaderLength + kRecordLength * static_cast<std::uint64_t>(k),
         SampleRecord(k, p.team, p.slot, kSampleSeed))
        .Text(k, FieldId::LastName, p.last)
        .Text(k, FieldId::FirstName, p.first)
        .Number(k, FieldId::PlayerId, p.id)
        .Number(k, FieldId::Team, p.team)
        .Number(k, FieldId::RosterSlot, p.slot)
        .Text(k, FieldId::Nickname, "Nick" + std::to_string(k))
        .Number(k, FieldId::Weight, 215)
        .Number(k, FieldId::Height, 80)
        .Text(k, FieldId::PlayerPkg, ":BCDE")
        .Raw(k, FieldId::IsPlayable, "F");
  }
  return b;
}

// A name commit rebuilds the lists; a rating of 80 is stored as its code, 60.
std::vector<EditingStep> EveryPage() {
  return {
      Enter(kData, P::kLastName, "Aaron")
          .Writes(0, FieldId::LastName, Stored(FieldId::LastName, "Aaron")),
      PickPlayer(2).ShowsRecord(2),  // Brook, after Aaron and Avery
      Pick(kData, P::kPosition, 4).Writes(2, FieldId::Position, "4"),
      ChooseTab(kRatings),
      Enter(kRatings, kJumpShooting, "80").Writes(2, FieldId::JumpShooting, "60"),
      Enter(kRatings, kShootingRange, "20").Writes(2, FieldId::ShootingRange, "20"),
      ChooseTab(kData2),
      Click(kData2, ids2::kIsPlayable).Writes(2, FieldId::IsPlayable, "T"),
      Pick(kData2, ids2::kHairStyle, 5).Writes(2, FieldId::HairStyle, "F"),
      ChooseTab(kSeason),
      Enter(kSeason, kGames, "82").Writes(2, FieldId::Games, "   82"),
  };
}

// Escape puts back what the display showed: nothing is left to commit.
std::vector<EditingStep> EscapeGivesUp() {
  return {
      Type(kData, P::kWeight, "300"),
      Escape().ShowsText(kData, P::kWeight, "215"),
      Command(res::kIdForward).ShowsRecord(1),
  };
}

std::vector<EditingStep> CommittedBeforeMoves() {
  return {
      Type(kData, P::kNickname, "Ace"),
      Command(res::kIdForward)
          .Writes(0, FieldId::Nickname, Stored(FieldId::Nickname, "Ace"))
          .ShowsRecord(1),
      Type(kData, P::kNickname, "Bee"),
      Command(res::kIdBack)
          .Writes(1, FieldId::Nickname, Stored(FieldId::Nickname, "Bee"))
          .ShowsRecord(0),
  };
}

// The refused value stops the command and is not written.
std::vector<EditingStep> RefusedThenCorrected() {
  return {
      Type(kData, P::kHeight, "50"),
      Command(res::kIdForward).Warns("Please enter an integer between 60 and 91.").ShowsRecord(0),
      Enter(kData, P::kHeight, "79").Writes(0, FieldId::Height, "79"),
  };
}

std::vector<EditingStep> ListPicksCommitFirst() {
  return {
      Type(kData, P::kNickname, "Ace"),
      ClickRoster(0)  // Avery
          .Writes(0, FieldId::Nickname, Stored(FieldId::Nickname, "Ace"))
          .ShowsRecord(1),
      Type(kData, P::kNickname, "Bee"),
      PickPlayer(1)  // Brook
          .Writes(1, FieldId::Nickname, Stored(FieldId::Nickname, "Bee"))
          .ShowsRecord(2),
      PickTeam(2).ShowsRecord(2),     // the roster of team 2, Brook still shown
      ClickRoster(1).ShowsRecord(0),  // Moss
  };
}

// The wheel picks Brook while "Zz" waits in Avery's last name: the name is
// written, the lists are rebuilt (Brook, Moss, Zz), and Brook is shown;
// the next edit lands on Brook.
std::vector<EditingStep> WheelPickWhileANameWaits() {
  return {
      PickPlayer(0).ShowsRecord(1),
      Type(kData, P::kLastName, "Zz"),
      WheelPlayer()
          .Writes(1, FieldId::LastName, Stored(FieldId::LastName, "Zz"))
          .ShowsRecord(2)
          .ShowsText(kData, P::kLastName, "Brook"),
      Enter(kData, P::kNickname, "Ace")
          .Writes(2, FieldId::Nickname, Stored(FieldId::Nickname, "Ace")),
  };
}

std::vector<EditingStep> CloseCommitsThenClears() {
  return {
      Type(kData, P::kWeight, "250"),
      Command(res::kIdClose)
          .Writes(0, FieldId::Weight, "250")
          .ShowsRecord(-1)
          .ShowsText(kData, P::kWeight, "0"),
  };
}

}  // namespace

EditingStep& EditingStep::Writes(int rec, FieldId field, std::string bytes) {
  writes.push_back({rec, field, std::move(bytes)});
  return *this;
}

EditingStep& EditingStep::Warns(std::string message) {
  warnings.push_back(std::move(message));
  return *this;
}

EditingStep& EditingStep::StopsWith(std::string message) {
  stops.push_back(std::move(message));
  return *this;
}

EditingStep& EditingStep::ShowsRecord(int rec) {
  record = rec;
  return *this;
}

EditingStep& EditingStep::ShowsText(int onPage, int id, std::string shownText) {
  shows = Shown{onPage, id, std::move(shownText)};
  return *this;
}

const std::vector<EditingCase>& EditingCases() {
  static const std::vector<EditingCase> cases = [] {
    const std::string file = ThreePlayers().Bytes();
    std::vector<EditingCase> all{
        {"an edit on every page", file, true, EveryPage()},
        {"Escape gives up the typed text", file, true, EscapeGivesUp()},
        {"typed text goes into its own record before Forward and Back", file, true,
         CommittedBeforeMoves()},
        {"a value out of range is refused, then corrected", file, true, RefusedThenCorrected()},
        {"a pick in the lists commits the typed text to the record shown before", file, true,
         ListPicksCommitFirst()},
        {"a wheel pick while a name waits shows the player picked", file, true,
         WheelPickWhileANameWaits()},
        {"Close writes the typed text, then empties the form", file, true,
         CloseCommitsThenClears()},
    };
    // The header gives another record length.
    all.push_back({"a file that is not a player file is refused",
                   ThreePlayers().At(10, "\x67\x02").Bytes(),
                   false,
                   {Command(res::kIdSelect)
                        .StopsWith("%1 is not a Courtline '98 player file.")
                        .ShowsRecord(-1)}});
    return all;
  }();
  return cases;
}

}  // namespace korvale::testing
