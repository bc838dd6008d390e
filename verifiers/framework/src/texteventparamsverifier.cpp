#include "framework/texteventparamsverifier.h"

namespace Varnel {

TextEventTrialCounts CountTextEventTrials(const TextColumn& trialNames) {
  TextEventTrialCounts counts;
  for (const wxString& trial : trialNames) {
    if (trial.StartsWith("block without params trial")) {
      ++counts.withoutParams;
    } else if (trial.StartsWith("pause block trial")) {
      ++counts.pause;
    } else if (trial.StartsWith("param block trial")) {
      ++counts.withParams;
    }
  }
  return counts;
}

bool IsCompleteTextEventRun(int rowCount, const TextEventTrialCounts& counts) {
  return rowCount == 56 && counts.withoutParams == 20 && counts.pause == 6 && counts.withParams == 30;
}

}  // namespace Varnel
