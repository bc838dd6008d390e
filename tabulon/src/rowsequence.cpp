#include "tabulon/rowsequence.h"

namespace tabulon {

void RowSequence::push_back(unsigned key) {
  if (keys_.empty()) {
    if (runLength_ == 0) runFirst_ = key;
    if (key == runFirst_ + static_cast<unsigned>(runLength_)) {
      ++runLength_;
      return;
    }
    keys_.reserve(runLength_ + 1);
    for (std::size_t index = 0; index < runLength_; ++index) keys_.push_back(runFirst_ + static_cast<unsigned>(index));
    runLength_ = 0;
  }
  keys_.push_back(key);
}

void RowSequence::clear() {
  runLength_ = 0;
  keys_.clear();
  keys_.shrink_to_fit();
}

}  // namespace tabulon
