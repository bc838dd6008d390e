// Picture stimulus lists built from a folder or from single files must write the file names into event names.
#include "framework/columnnames.h"
#include "framework/hostnames.h"
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
    CheckExpansionDuration(45, 90, true);
    CheckExpansionDurationOnHost(kBuildFarmHost, 300, 575);
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
    for (const wxString& eventName : ColumnTexts(kEventNameColumn)) {
      const wxString lowered = tabulon::AsciiLower(eventName);
      if (std::find(acceptedNames.begin(), acceptedNames.end(), lowered) == acceptedNames.end()) {
        ReportFailure(
            "Filenames show up in the data file as expected.",
            "One or more strings contained in the Event Name column of the datafile is somehow improper.",
            kFileNamesLine,
            wxString::Format("At least one Event Name entry isn't correct. First such offending string: %s", lowered));
        return;
      }
    }
    ReportPass("All the entries in the Event Name column are as they should be.");
  }
};

}  // namespace Varnel
