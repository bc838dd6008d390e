// Picture stimulus lists built from a folder or from single files must write the file names into event names.
#include "tabulon/columnnames.h"
#include "site/hostnames.h"
#include "framework/individualtestcase.h"
#include "tabulon/asciicase.h"
#include <algorithm>

namespace Varnel {

class Test_2011_12_16_case_1639_Stimlist_Folder
    : public IndividualTestCase_T<Test_2011_12_16_case_1639_Stimlist_Folder, false> {
 public:
  static constexpr char kExperimentFileName[] = "2011-12-16_test_for_case_1639_Stimlist_Folder.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kFileNamesLine = 91;

  void RunChecks(VerificationContext) override {
    CheckEventNamesAreFileNames();
    CheckDurationWindows({
        ExpansionWindow(45, 90),
        ExpansionWindowOn(kBuildFarmHost, 300, 575),
    });
  }

 private:
  // The host may write the file names in any case, so the comparison is of lower-cased names.
  void CheckEventNamesAreFileNames() {
    static const std::vector<wxString> acceptedNames = {"picturestimlist_w_folder (1, 01_foreveralone.png)",
                                                        "picturestimlist_w_folder (2, 02_foreveralonelaugh.jpg)",
                                                        "picturestimlist_w_folder (3, 03_scasi.jpg)",
                                                        "picturestimlist_w_files (1, 01_foreveralone.png)",
                                                        "picturestimlist_w_files (2, 02_foreveralonelaugh.jpg)",
                                                        "picturestimlist_w_files (3, 03_scasi.jpg)",
                                                        "picturestimlist_w_folder (1, 02_foreveralonelaugh.jpg)",
                                                        "picturestimlist_w_folder (2, 03_scasi.jpg)",
                                                        "picturestimlist_w_folder (3, 01_foreveralone.png)"};
    const TextColumn eventNames = ColumnTexts(tabulon::EventNameColumnName());
    int firstOffending = -1;
    int offending = 0;
    for (std::size_t row = 0; row < eventNames.size(); ++row) {
      const wxString lowered = tabulon::AsciiLower(eventNames[row]);
      if (std::find(acceptedNames.begin(), acceptedNames.end(), lowered) != acceptedNames.end()) continue;
      if (firstOffending < 0) firstOffending = static_cast<int>(row);
      ++offending;
    }
    if (firstOffending < 0) {
      ReportPass("All the entries in the Event Name column are as they should be.");
      return;
    }
    const wxString firstName = eventNames[static_cast<std::size_t>(firstOffending)];
    ReportFailure("Filenames show up in the data file as expected.",
                  "One or more strings contained in the Event Name column of the datafile is somehow improper.",
                  kFileNamesLine,
                  wxString::Format("At least one Event Name entry isn't correct. First such offending string: %s",
                                   tabulon::AsciiLower(firstName)))
        << wxString::Format("row %d holds {%s}, which lower-cased is none of the %d accepted names", firstOffending,
                            firstName, static_cast<int>(acceptedNames.size()))
        << wxString::Format("%d of %d rows hold no accepted name", offending, static_cast<int>(eventNames.size()));
  }
};

}  // namespace Varnel
