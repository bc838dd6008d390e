#pragma once
#include <cstddef>
#include <vector>

namespace tabulon {

// Row keys in the order a table holds them. Keys that follow one another by one (an unsorted table, nothing
// filtered or hidden) are kept as a range rather than one by one, so that a file of a million rows costs nothing
// here; the first key out of step turns the range into a list.
class RowSequence {
 public:
  std::size_t size() const { return keys_.empty() ? runLength_ : keys_.size(); }
  unsigned operator[](std::size_t index) const {
    return keys_.empty() ? runFirst_ + static_cast<unsigned>(index) : keys_[index];
  }
  void push_back(unsigned key);
  void clear();

 private:
  // With keys empty: the keys runFirst, runFirst + 1, ... (runLength of them).
  unsigned runFirst_ = 0;
  std::size_t runLength_ = 0;
  std::vector<unsigned> keys_;
};

}  // namespace tabulon
