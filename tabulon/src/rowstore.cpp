#include "tabulon/rowstore.h"
#include <utility>

namespace tabulon {

RowRecord* RowStore::Find(std::size_t index) const {
  if (index >= count || removed[index]) return nullptr;
  return &blocks[index / kRecordsPerBlock][index % kRecordsPerBlock];
}

void RowStore::Append(RowRecord&& record) {
  if (count == blocks.size() * kRecordsPerBlock) blocks.push_back(std::make_unique<RowRecord[]>(kRecordsPerBlock));
  removed.push_back(false);
  blocks[count / kRecordsPerBlock][count % kRecordsPerBlock] = std::move(record);
  ++count;
}

void RowStore::Remove(std::size_t index) {
  RowRecord* record = Find(index);
  if (record == nullptr) return;
  *record = RowRecord();
  removed[index] = true;
}

void RowStore::Clear() {
  blocks.clear();
  removed.clear();
  count = 0;
}

}  // namespace tabulon
