// Four blocks that present vehicle and animal pictures with different randomization and looping settings.
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/rowrepeats.h"
#include "framework/wholecolumncomparison.h"
#include <algorithm>

namespace Varnel {

namespace {

const ExpectedTexts& ExpectedBlocks() {
  static const ExpectedTexts blocks = ExpectedTextsBuilder()
                                          .Run("V4 Random", 16)
                                          .Run("V5 Random", 16)
                                          .Run("V5 Random and Loop 2 times", 32)
                                          .Run("V5 Random and Loop, Pause, Max 10 trials", 22)
                                          .Run("V4 Random. extra-action versus block-end macro. BOTH should work ", 4)
                                          .Run("V5 Random. extra-action versus block-end macro. BOTH should work ", 2)
                                          .Run("done!")
                                          .Build();
  return blocks;
}

bool ContainsAny(const wxString& text, const std::vector<wxString>& parts) {
  for (const wxString& part : parts) {
    if (text.Contains(part)) return true;
  }
  return false;
}

bool IsVehicle(const wxString& event) {
  static const std::vector<wxString> vehicles = {"Car", "Truck", "Bus", "Motorcycle"};
  return ContainsAny(event, vehicles);
}

bool IsAnimal(const wxString& event) {
  static const std::vector<wxString> animals = {"Bird", "Dog", "Cat", "Snake"};
  return ContainsAny(event, animals);
}

enum class Kind { Vehicle, Animal, Other };

// The experiment's pictures are either vehicles or animals; should a name ever mention both, it counts as a
// vehicle, the kind the first block's walk asks about first.
Kind KindOf(const wxString& event) {
  if (IsVehicle(event)) return Kind::Vehicle;
  if (IsAnimal(event)) return Kind::Animal;
  return Kind::Other;
}

bool IsOfKind(const wxString& event, Kind kind) { return kind == Kind::Animal ? IsAnimal(event) : IsVehicle(event); }

// Four of one kind, then four of the other: the host picks which list comes first, not the order of pictures.
bool IsFourAndFour(const std::vector<wxString>& events) {
  Kind previous = Kind::Animal;
  int animals = 0;
  int vehicles = 0;
  for (const wxString& event : events) {
    switch (KindOf(event)) {
      case Kind::Animal:
        if (previous == Kind::Vehicle && vehicles != 4) return false;
        previous = Kind::Animal;
        ++animals;
        break;
      case Kind::Vehicle:
        if (previous == Kind::Animal && animals != 0 && animals != 4) return false;
        ++vehicles;
        previous = Kind::Vehicle;
        break;
      case Kind::Other:
        return false;
    }
  }
  return animals >= 4 && vehicles >= 4;
}

}  // namespace

class Assorted_V5_BlockSettings : public TestCaseWithFullColumnStringComp_T<Assorted_V5_BlockSettings> {
 public:
  static constexpr char kExperimentFileName[] = "2013-01_assorted_new_block_options.vn5";
  // The lines that locate this verifier's failures, one per reporting site.
  static constexpr int kMisbehavingLine = 226;
  static constexpr int kBlockOneJumbledLine = 241;
  static constexpr int kFourAndFourLine = 323;
  static constexpr int kBlockThreeRepeatsLine = 360;
  static constexpr int kBlockFourLine = 417;

  void RunChecks(VerificationContext) override {
    eventColumn_ = reader->GetColumnIndex(tabulon::EventNameColumnName());

    CompareWholeColumn(tabulon::BlockNameColumnName(), ExpectedBlocks());
    CheckBlockOneIsJumbled();
    CheckFourAndFour("Block_Two_Is_V5_Random", 17);
    CheckFourAndFour("Block_Three_Is_V5_Random", 33);
    CheckBlockThreeRepeatsVerbatim();
    CheckBlockFour();

    CheckDurationWindows({
        ExperimentWindow(2500, 2900),
        ExperimentWindowOn(kBuildFarmHost, 2600, 3200),
        ExpansionWindow(10, 100),
        ExpansionWindowOn(kBuildFarmHost, 10, 150),
    });
  }

 private:
  wxString EventAt(int row) const { return reader->GetCellText(row, eventColumn_); }

  // The pictures a check looked at, for the diagnostics of a failed check.
  static wxString Shown(const wxString& where, const std::vector<wxString>& events) {
    wxString shown = where + " hold";
    for (const wxString& event : events) shown += " {" + event + "}";
    return shown;
  }

  // The events at rows first, first + 2, ... (count of them): the pictures, between the other events of a trial.
  std::vector<wxString> EveryOtherEvent(int first, int count) const {
    std::vector<wxString> events;
    events.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) events.push_back(EventAt(first + 2 * i));
    return events;
  }

  void CheckBlockOneIsJumbled() {
    int vehiclesInARow = 0;
    bool fourVehiclesTogether = false;
    const std::vector<wxString> pictures = EveryOtherEvent(1, 8);
    for (const wxString& event : pictures) {
      if (IsVehicle(event)) {
        if (++vehiclesInARow == 4) fourVehiclesTogether = true;
        continue;
      }
      vehiclesInARow = 0;
      if (!IsAnimal(event)) {
        ReportFailure("TEST_MISBEHAVING", "this loop should ALWAYS find vehicle or animal each time", kMisbehavingLine,
                      "as we loop over the events in the first block, each event MUST MATCH ONE OF: vehicle or animal")
            << "the picture {" + event + "} is neither vehicle nor animal";
      }
    }
    ReportOutcome(!fourVehiclesTogether, "Block_One_Is_V4_Jumbled",
                  "first block may not have been jumble-randomized -- this OCCASIONALLY FAILS PERMISSIBLY. ALLOW "
                  "THIS TO HAPPEN RARELY",
                  kBlockOneJumbledLine,
                  "unexpectedly found that all the vehicle-events were together instead of jumbled with the "
                  "animals. -- this OCCASIONALLY FAILS PERMISSIBLY. ALLOW THIS TO HAPPEN RARELY")
        .Otherwise([&] { return Shown("rows 1, 3, ... 15", pictures); });
  }

  void CheckFourAndFour(const wxString& checkName, int startRow) {
    const std::vector<wxString> pictures = EveryOtherEvent(startRow, 8);
    ReportOutcome(IsFourAndFour(pictures), checkName, "block does not display the expected v5 randomization",
                  kFourAndFourLine,
                  "we thought that only the CHOICE OF STIMLIST was random. either start with vehicles or start with "
                  "animals, but then do 4 of one followed by 4 of the other")
        .Otherwise([&] {
          return Shown(wxString::Format("rows %d, %d, ... %d", startRow, startRow + 2, startRow + 14), pictures);
        });
  }

  // The block loops twice: its second pass (16 rows further down) shows the same pictures in the same order.
  void CheckBlockThreeRepeatsVerbatim() {
    ReportOutcome(RowsRepeatAtOffset(*reader, eventColumn_, 33, 8, 2, 16), "Block_Three_Repeats_Twice_Verbatim",
                  "the third block was supposed to loop twice verbatim", kBlockThreeRepeatsLine,
                  "the third block should show the EXACT SAME SEQUENCE of events twice in a row, verbatim")
        .Otherwise([this] {
          return std::vector<wxString>{Shown("rows 33, 35, ... 47", EveryOtherEvent(33, 8)),
                                       Shown("rows 49, 51, ... 63", EveryOtherEvent(49, 8))};
        });
  }

  // Four of the first kind, a pause (row 73), four of the other, a pause (row 82), two more of the first kind.
  void CheckBlockFour() {
    struct PictureRow {
      int row;
      bool ofFirstKind;
    };
    static const PictureRow pictureRows[] = {{65, true},  {67, true},  {69, true},  {71, true}, {74, false},
                                             {76, false}, {78, false}, {80, false}, {83, true}, {85, true}};
    const Kind first = IsAnimal(EventAt(65)) ? Kind::Animal : Kind::Vehicle;
    const Kind other = first == Kind::Animal ? Kind::Vehicle : Kind::Animal;
    int strayRow = -1;
    for (const PictureRow& picture : pictureRows) {
      if (!IsOfKind(EventAt(picture.row), picture.ofFirstKind ? first : other)) {
        strayRow = picture.row;
        break;
      }
    }
    ReportOutcome(strayRow < 0, "Block_Four_Runs_As_Intended",
                  "the fourth block is supposed to use two extra-actions and one looping option", kBlockFourLine,
                  "for the fourth block, we expect four of vehicle-or-animal, break, four of the other, break, then "
                  "two more of the FIRST thing")
        .Otherwise([&] {
          return wxString::Format("row %d holds {%s}, not of the kind expected there (row 65 holds {%s})", strayRow,
                                  EventAt(strayRow), EventAt(65));
        });
  }

  int eventColumn_ = -1;
};

}  // namespace Varnel
