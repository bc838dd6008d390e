#include "framework/redbluepattern.h"

namespace Varnel {

namespace {
enum class Slot { Red, Blue, Macro };
}  // namespace

ExpectedTexts RedBluePattern(const ExpectedTexts& macroRows, const wxString& red, const wxString& blue) {
  constexpr Slot R = Slot::Red, B = Slot::Blue, M = Slot::Macro;
  static const Slot pattern[] = {R, B, R, R, B, R, M, B, B, R, B, B, B, R, R, R, B, B, R, M, B, R};
  ExpectedTexts texts;
  for (Slot slot : pattern) {
    switch (slot) {
      case Slot::Red:
        texts.push_back(red);
        break;
      case Slot::Blue:
        texts.push_back(blue);
        break;
      case Slot::Macro:
        texts.insert(texts.end(), macroRows.begin(), macroRows.end());
        break;
    }
  }
  return texts;
}

}  // namespace Varnel
