#include "tabulon/rowsequence.h"

namespace tabulon {

void RowSequence::push_back(unsigned key) {
  if (keys.empty()) {
    if (runLength == 0) runFirst = key;
    if (key == runFirst + static_cast<unsigned>(runLength)) {
      ++runLength;
      return;
    }
    keys.reserve(runLength + 1);
    for (std::size_t index = 0; index < runLength; ++index) keys.push_back(runFirst + static_cast<unsigned>(index));
    runLength = 0;
  }
  keys.push_back(key);
}

void RowSequence::clear() {
  runLength = 0;
  keys.clear();
  keys.shrink_to_fit();
}

}  // namespace tabulon
