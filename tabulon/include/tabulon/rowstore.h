#pragma once
#include "tabulon/rowrecord.h"
#include <cstddef>
#include <memory>
#include <vector>

namespace tabulon {

// The reader's rows in key order, stored in blocks of records rather than one allocation per row, so that a file
// of very many short rows costs little beside its cells. A record keeps its address while the store grows; a
// removed row keeps its place (and its index) but gives back its cells.
class RowStore {
 public:
  std::size_t Size() const { return count_; }
  // The record at that index; null when it was removed or the index is past the end.
  RowRecord* Find(std::size_t index) const;
  void Append(RowRecord&& record);
  // Empties the record at that index and marks it removed; nothing when there is none.
  void Remove(std::size_t index);
  void Clear();

 private:
  static constexpr std::size_t kRecordsPerBlock = 256;

  std::vector<std::unique_ptr<RowRecord[]>> blocks_;
  std::vector<bool> removed_;
  std::size_t count_ = 0;
};

}  // namespace tabulon
