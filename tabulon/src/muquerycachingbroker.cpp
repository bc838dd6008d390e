#include "tabulon/muquerycachingbroker.h"

using tabulon::QueryKey;

tabulon::CachedQueryResult::~CachedQueryResult() = default;

void MUQueryCachingBroker::Store(const QueryKey& key, std::unique_ptr<tabulon::CachedQueryResult> result) {
  if (result) results_[key].push_back(std::move(result));
}

const std::vector<std::unique_ptr<tabulon::CachedQueryResult>>* MUQueryCachingBroker::Find(const QueryKey& key) const {
  const auto found = results_.find(key);
  return found == results_.end() ? nullptr : &found->second;
}

void MUQueryCachingBroker::Clear() { results_.clear(); }
