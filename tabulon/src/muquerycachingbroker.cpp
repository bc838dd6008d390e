#include "tabulon/muquerycachingbroker.h"

using tabulon::QueryKey;

MUCachedQueryResult::~MUCachedQueryResult() = default;

void MUQueryCachingBroker::Store(const QueryKey& key, std::unique_ptr<MUCachedQueryResult> result) {
  if (result) results[key].push_back(std::move(result));
}

const std::vector<std::unique_ptr<MUCachedQueryResult>>* MUQueryCachingBroker::Find(const QueryKey& key) const {
  const auto found = results.find(key);
  return found == results.end() ? nullptr : &found->second;
}

void MUQueryCachingBroker::Clear() { results.clear(); }
