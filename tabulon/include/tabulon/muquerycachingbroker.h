#pragma once
#include "tabulon/querykey.h"
#include <map>
#include <memory>
#include <vector>

namespace tabulon {

// Base of result objects that outlive the query that made them; the broker owns and deletes them.
class CachedQueryResult {
 public:
  virtual ~CachedQueryResult();
};

}  // namespace tabulon

// Holds query results that are whole objects rather than plain lists; emptied with the reader's other caches.
class MUQueryCachingBroker {
 public:
  void Store(const tabulon::QueryKey& key, std::unique_ptr<tabulon::CachedQueryResult> result);
  // The objects stored under the key, in the order stored; null when there are none.
  const std::vector<std::unique_ptr<tabulon::CachedQueryResult>>* Find(const tabulon::QueryKey& key) const;
  void Clear();
  std::size_t KeyCount() const { return results_.size(); }

 private:
  std::map<tabulon::QueryKey, std::vector<std::unique_ptr<tabulon::CachedQueryResult>>> results_;
};
