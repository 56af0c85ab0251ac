#include "FaultTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "CKorvaleView.h"
#include "ControlIds.h"
#include "StoredForms.h"
#include "UserInput.h"

namespace korvale::testing {
namespace {

using F = Fault;

constexpr int kPlayerData = 0;
constexpr int kPlayerData2 = 1;
constexpr int kRatings = 2;
constexpr int kSeason = 3;

const QString kMoss = "Moss, Eli,  101";
const QString kAvery = "Avery, Tom,  102";
const QStringList kTeam2Roster{" 1 |  Cole, Ray,  103", " 2 |  Dunn, Kim,  104",
                               " 5 |  Moss, Eli,  101"};
const QStringList kTeam4Roster{" 1 |  Avery, Tom,  102", " 3 |  Bell, Ann,  101"};

CKorvaleView& View(FaultRig& r) { return *r.h.view; }
QString Shown(FaultRig& r) { return View(r).PlayerIdDisplay()->text(); }

// The record on display and the PlayerID it shows.
void ExpectRecord(FaultRig& r, int record, const QString& shownId) {
  EXPECT_EQ(r.h.Current(), record);
  EXPECT_EQ(Shown(r), shownId);
}

// Nothing was done: still record 0, lists as Select left them.
void NothingDone(FaultRig& r, const Cell&) {
  ExpectRecord(r, 0, "101");
  EXPECT_EQ(r.h.ChosenPlayer(), kMoss);
  EXPECT_EQ(r.h.RosterEntries(), kTeam2Roster);
}

// A commit: typing into an edit of a page, then Tab. It reads what the
// field holds (for the history) before it writes.
Handler EditCommit(std::string name, int page, int id, QString typed, FieldId field,
                   std::string bytes) {
  return {std::move(name),
          true,
          [=](FaultRig& r) {
            ChooseTab(View(r), page);
            TypeInto(ControlOf<QLineEdit>(View(r), page, id), typed);
          },
          [](FaultRig&) { PressTab(); },
          {{0, field, std::move(bytes)}},
          [=](FaultRig& r, const Cell& c) {
            NothingDone(r, c);
            EXPECT_EQ(ControlOf<QLineEdit>(View(r), page, id)->text(), typed);
          },
          {{F::Read}, {F::Length}, {F::Seek}, {F::Write}, {F::ShortWrite}}};
}

// A commit: a pick in a list of a page.
Handler PickCommit(std::string name, int page, int id, int index, FieldId field,
                   std::string bytes) {
  return {std::move(name),
          true,
          [=](FaultRig& r) { ChooseTab(View(r), page); },
          [=](FaultRig& r) { PickEntry(ControlOf<QComboBox>(View(r), page, id), index); },
          {{0, field, std::move(bytes)}},
          [=](FaultRig& r, const Cell& c) {
            NothingDone(r, c);
            EXPECT_EQ(ControlOf<QComboBox>(View(r), page, id)->currentIndex(), index);
          },
          {{F::Read}, {F::Length}, {F::Seek}, {F::Write}, {F::ShortWrite}}};
}

std::vector<Handler> ViewHandlers() {
  std::vector<Handler> rows;
  rows.push_back({"Select",
                  false,
                  {},
                  [](FaultRig& r) { r.Select(); },
                  {},
                  [](FaultRig& r, const Cell& c) {
                    if (c.fault == F::Open) {
                      EXPECT_EQ(r.h.Enabled(), "S---");
                      EXPECT_EQ(View(r).TeamChoice()->count(), 0);
                      EXPECT_EQ(View(r).PlayerList()->count(), 0);
                      return;
                    }
                    // Record 0 shown, with its team; the player list unselected.
                    EXPECT_EQ(r.h.Enabled(), "-C-F");
                    EXPECT_EQ(r.h.PlayerEntries().size(), 5);
                    ExpectRecord(r, 0, "101");
                    EXPECT_EQ(r.h.ChosenTeam(), 2);
                    EXPECT_EQ(r.h.ChosenPlayer(), "");
                    EXPECT_EQ(r.h.RosterEntries(),
                              c.fault == F::Length ? QStringList() : kTeam2Roster);
                  },
                  {{F::Open}, {F::Length, At::Last}, {F::Seek, At::Last}, {F::Read, At::Last}}});
  rows.push_back({"Forward",
                  true,
                  {},
                  [](FaultRig& r) { View(r).Forward(); },
                  {},
                  [](FaultRig& r, const Cell& c) {
                    if (c.fault == F::Length) return NothingDone(r, c);
                    if (c.fault == F::Seek) return ExpectRecord(r, 1, "101");
                    ExpectRecord(r, 1, "102");  // shown, roster cut short, not synced
                    EXPECT_EQ(r.h.RosterEntries(), QStringList(kTeam4Roster.front()));
                    EXPECT_EQ(r.h.ChosenPlayer(), kMoss);
                  },
                  {{F::Length}, {F::Seek}, {F::Read, At::Last}}});
  rows.push_back({"Back",
                  true,
                  [](FaultRig& r) { View(r).Forward(); },
                  [](FaultRig& r) { View(r).Back(); },
                  {},
                  [](FaultRig& r, const Cell& c) {
                    if (c.fault == F::Seek) return ExpectRecord(r, 0, "102");
                    ExpectRecord(r, 0, "101");
                    EXPECT_EQ(r.h.ChosenTeam(), 2);
                    EXPECT_EQ(r.h.RosterEntries(),
                              c.fault == F::Length ? QStringList() : kTeam2Roster);
                    EXPECT_EQ(r.h.ChosenPlayer(), kAvery);
                  },
                  {{F::Seek}, {F::Length}, {F::Read, At::Last}}});
  rows.push_back({"PlayerListFill",
                  false,
                  {},
                  [](FaultRig& r) { r.Select(); },
                  {},
                  [](FaultRig& r, const Cell& c) {
                    if (c.fault == F::Open) {
                      EXPECT_EQ(r.h.Enabled(), "S---");
                      return;
                    }
                    EXPECT_EQ(r.h.Enabled(), "-C-F");
                    EXPECT_EQ(View(r).TeamChoice()->count(), 32);
                    EXPECT_EQ(r.h.ChosenTeam(), -1);  // record 0 never shown
                    EXPECT_EQ(r.h.PlayerEntries(),
                              c.fault == F::Length ? QStringList() : QStringList({kAvery, kMoss}));
                  },
                  {{F::Open},
                   {F::Length},
                   {F::Seek, At::Field, 2, FieldId::LastName},
                   {F::Read, At::Field, 2, FieldId::LastName}}});
  rows.push_back({"RosterFill",
                  true,
                  {},
                  [](FaultRig& r) { PickTeamEntry(View(r), 4); },
                  {},
                  [](FaultRig& r, const Cell& c) {
                    ExpectRecord(r, 0, "101");
                    EXPECT_EQ(r.h.ChosenTeam(), 4);
                    EXPECT_EQ(r.h.RosterEntries(), c.fault == F::Length
                                                       ? QStringList()
                                                       : QStringList(kTeam4Roster.front()));
                  },
                  {{F::Length},
                   {F::Seek, At::Field, 4, FieldId::Team},
                   {F::Read, At::Field, 4, FieldId::Team}}});
  rows.push_back({"PlayerListChoice",
                  true,
                  {},
                  [](FaultRig& r) { PickPlayerEntry(View(r), kAvery); },
                  {},
                  [](FaultRig& r, const Cell& c) {
                    ExpectRecord(r, 1, "102");  // the roster fill reads last
                    EXPECT_EQ(r.h.RosterEntries(), c.fault == F::Length
                                                       ? QStringList()
                                                       : QStringList(kTeam4Roster.front()));
                  },
                  {{F::Length, At::Last}, {F::Seek, At::Last}, {F::Read, At::Last}}});
  rows.push_back({"RosterListChoice",
                  true,
                  {},
                  [](FaultRig& r) { ClickRosterRow(View(r), 1); },
                  {},
                  [](FaultRig& r, const Cell& c) {
                    EXPECT_EQ(View(r).RosterList()->currentRow(), 1);
                    EXPECT_EQ(r.h.RosterEntries(), kTeam2Roster);
                    ExpectRecord(r, 3, "104");
                    if (c.fault == F::Seek) {
                      EXPECT_EQ(r.h.ChosenPlayer(), kMoss);
                    }
                  },
                  {{F::Seek, At::Last}, {F::Read, At::Last}}});
  rows.push_back(EditCommit("TextCommit", kPlayerData, res::playerdata::kBirthTown, "Lowell",
                            FieldId::BirthTown, "Lowell              "));
  rows.push_back(EditCommit("IntegerCommit", kPlayerData, res::playerdata::kWeight, "230",
                            FieldId::Weight, "230"));
  rows.push_back(
      PickCommit("ListPickCommit", kPlayerData, res::playerdata::kHand, 1, FieldId::Hand, "1"));
  rows.push_back(
      {"CheckBoxCommit",
       true,
       [](FaultRig& r) { ChooseTab(View(r), kPlayerData2); },
       [](FaultRig& r) {
         ClickButton(ControlOf<QCheckBox>(View(r), kPlayerData2, res::playerdata2::kIsPlayable));
       },
       {{0, FieldId::IsPlayable, "F"}},
       [](FaultRig& r, const Cell& c) {
         NothingDone(r, c);
         EXPECT_FALSE(ControlOf<QCheckBox>(View(r), kPlayerData2, res::playerdata2::kIsPlayable)
                          ->isChecked());
       },
       {{F::Read}, {F::Length}, {F::Seek}, {F::Write}, {F::ShortWrite}}});
  // A rating of 80 is stored as its code, 60. Its history appends fail too,
  // or lose the power: on the append and on the mark that follows the write.
  Handler rating = EditCommit("RatingCommit", kRatings, res::ratings::kJumpShooting, "80",
                              FieldId::JumpShooting, "60");
  rating.cells.insert(
      rating.cells.end(),
      {Of(On::History, F::Write), Of(On::History, F::ShortWrite), Of(On::History, F::Sync),
       Of(On::History, F::PowerCut), Of(On::History, F::PowerCut, At::Last)});
  rows.push_back(rating);
  rows.push_back(
      EditCommit("SeasonTotalCommit", kSeason, res::season::kGames, "82", FieldId::Games, "   82"));
  Handler code = PickCommit("CodePickCommit", kPlayerData2, res::playerdata2::kHairStyle, 5,
                            FieldId::HairStyle, "F");
  code.cells.push_back({F::Read, At::Last});  // the redisplay that follows
  rows.push_back(code);
  Handler name = EditCommit("NameCommit", kPlayerData, res::playerdata::kLastName, "Zeller",
                            FieldId::LastName, "Zeller                   ");
  name.kept = [](FaultRig& r, const Cell& c) {
    // The first read is of the bytes the field held, for the history.
    if ((c.fault != F::Read || c.at == At::First) && c.fault != F::Length) {
      return NothingDone(r, c);
    }
    if (c.fault == F::Read) {  // the player list rebuilt up to record 2
      EXPECT_EQ(r.h.PlayerEntries(), QStringList({kAvery, "Zeller, Eli,  101"}));
      return;
    }
    EXPECT_TRUE(r.h.PlayerEntries().contains("Zeller, Eli,  101"));  // rebuilt
    EXPECT_EQ(r.h.ChosenPlayer(), "Zeller, Eli,  101");              // and synced
    EXPECT_EQ(r.h.RosterEntries(), QStringList());
  };
  name.cells = {{F::Read},  {F::Length, At::Last}, {F::Seek},
                {F::Write}, {F::ShortWrite},       {F::Read, At::Field, 2, FieldId::LastName}};
  rows.push_back(name);
  rows.push_back(
      {"Close",
       true,
       {},
       [](FaultRig& r) { View(r).Close(); },
       {},
       [](FaultRig& r, const Cell&) {
         EXPECT_EQ(r.h.Enabled(), "S---");  // no file selected all the same
         EXPECT_EQ(View(r).PlayerList()->count(), 0);
         EXPECT_EQ(View(r).TeamChoice()->count(), 0);
         EXPECT_EQ(View(r).RosterList()->count(), 0);
         EXPECT_EQ(Shown(r), "0");  // and the pages as a good close leaves them
         EXPECT_EQ(ControlOf<QLineEdit>(View(r), kPlayerData, res::playerdata::kBirthTown)->text(),
                   "");
         EXPECT_EQ(ControlOf<QLineEdit>(View(r), kRatings, res::ratings::kJumpShooting)->text(),
                   "0");
       },
       {{F::Close}}});
  return rows;
}

std::vector<Handler> CliHandlers() {
  std::vector<Handler> rows;
  // An import writes through its rollback journal: its faults, on the
  // journal and on the roster alike, are the import tests' table.
  rows.push_back({"CliExport",
                  false,
                  {},
                  [](FaultRig& r) {
                    r.RunCli({"export", r.Path(), "--format", "csv"});
                  },
                  {},
                  [](FaultRig& r, const Cell& c) {
                    EXPECT_EQ(r.code, 2);
                    // Only a failing close comes after the table is out.
                    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'),
                              c.fault == F::Close ? 6 : 0);
                  },
                  {{F::Open}, {F::Length}, {F::Seek}, {F::Read}, {F::Close}},
                  true});
  // Whole files written under a temporary name and renamed into place: a
  // table, a sample roster over the roster, and an import's backup.
  const std::vector<Cell> whole{Of(On::Output, F::Create),     Of(On::Output, F::Write),
                                Of(On::Output, F::ShortWrite), Of(On::Output, F::Sync),
                                Of(On::Output, F::Close),      Of(On::Output, F::Rename)};
  const auto old = [](FaultRig& r) { std::ofstream(r.h.dir / "out.csv") << "an old table\n"; };
  rows.push_back({"CliExportToFile",
                  false,
                  old,
                  [](FaultRig& r) {
                    r.RunCli({"export", r.Path(), "-o", (r.h.dir / "out.csv").string()});
                  },
                  {},
                  [](FaultRig& r, const Cell&) { EXPECT_EQ(r.code, 2); },
                  whole,
                  true,
                  "out.csv",
                  "cannot write %1: %2"});
  rows.push_back({"CliSampleForce",
                  false,
                  {},
                  [](FaultRig& r) {
                    r.RunCli({"sample", "--force", "--players", "3", r.Path()});
                  },
                  {},
                  [](FaultRig& r, const Cell&) { EXPECT_EQ(r.code, 2); },
                  whole,
                  true,
                  "Players.dbf",
                  "cannot write %1: %2"});
  rows.push_back({"CliImportBackup",
                  false,
                  [](FaultRig& r) { std::ofstream(r.h.dir / "in.csv") << "Record,Height\n0,81\n"; },
                  [](FaultRig& r) {
                    r.RunCli({"import", r.Path(), (r.h.dir / "in.csv").string(), "--backup",
                              (r.h.dir / "backup.dbf").string()});
                  },
                  {{0, FieldId::Height, EncodeValue(Field(FieldId::Height), 81)}},
                  [](FaultRig& r, const Cell&) { EXPECT_EQ(r.code, 2); },
                  whole,
                  true,
                  "backup.dbf",
                  "cannot write the backup %1: %2; nothing was written"});
  return rows;
}

}  // namespace

const std::vector<Handler>& FaultTable() {
  static const std::vector<Handler> table = [] {
    std::vector<Handler> rows = ViewHandlers();
    for (Handler& h : CliHandlers()) rows.push_back(std::move(h));
    return rows;
  }();
  return table;
}

const char* FaultName(Fault fault) {
  switch (fault) {
    case F::Open: return "Open";
    case F::Seek: return "Seek";
    case F::Read: return "Read";
    case F::Write: return "Write";
    case F::ShortWrite: return "ShortWrite";
    case F::Length: return "Length";
    case F::Close: return "Close";
    case F::Sync: return "Sync";
    case F::Create: return "Create";
    case F::Rename: return "Rename";
    case F::PowerCut: return "PowerCut";
  }
  return "?";
}

}  // namespace korvale::testing
