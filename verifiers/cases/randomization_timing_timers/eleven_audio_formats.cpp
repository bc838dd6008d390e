// Eleven audio formats, each played by two events: all of them must have been played back.
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "site/hostnames.h"
#include "framework/individualtestcase.h"

namespace Varnel {

class TestElevenAudioFormats : public IndividualTestCase_T<TestElevenAudioFormats, false> {
 public:
  static constexpr char kExperimentFileName[] = "2011-09-21_basic_audio_format_4.5.2_tests.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kPlaybackLine = 46;

  void RunChecks(VerificationContext) override {
    // The host writes one row per played event, so the row count alone tells whether every format played.
    static const int kPlayedEvents = 2 * 11;
    ReportOutcome(reader->GetRowCount() == kPlayedEvents, "Simple_playback_11_formats",
                  "Incorrect number of events played back.", kPlaybackLine,
                  "There should be two events per each of 11 audio formats,                    for a total of 22 "
                  "events.")
        .Otherwise(
            [&] { return wxString::Format("found %d data rows, expected %d", reader->GetRowCount(), kPlayedEvents); });

    CheckDurationWindows({
        ExperimentWindow(22300, 27000),
        ExperimentWindowOn(kHostNameA, 22300, 26000),
        ExpansionWindow(5, 40),
        ExpansionWindowOn(kHostNameA, 400, 550),
    });
  }
};

}  // namespace Varnel
