#include "tabulon/rowstore.h"
#include <utility>

namespace tabulon {

RowRecord* RowStore::Find(std::size_t index) const {
  if (index >= count_ || removed_[index]) return nullptr;
  return &blocks_[index / kRecordsPerBlock][index % kRecordsPerBlock];
}

void RowStore::Append(RowRecord&& record) {
  if (count_ == blocks_.size() * kRecordsPerBlock) blocks_.push_back(std::make_unique<RowRecord[]>(kRecordsPerBlock));
  removed_.push_back(false);
  blocks_[count_ / kRecordsPerBlock][count_ % kRecordsPerBlock] = std::move(record);
  ++count_;
}

void RowStore::Remove(std::size_t index) {
  RowRecord* record = Find(index);
  if (record == nullptr) return;
  *record = RowRecord();
  removed_[index] = true;
}

void RowStore::Clear() {
  blocks_.clear();
  removed_.clear();
  count_ = 0;
}

}  // namespace tabulon
