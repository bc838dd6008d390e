#pragma once
#include "tabulon/querykey.h"
#include <cstddef>
#include <map>
#include <optional>

namespace tabulon {

// Answers of one family of queries, kept until the data they were computed from changes.
template <typename Result>
class QueryCache {
 public:
  // A copy of the stored answer, or nothing when the key has none.
  std::optional<Result> Find(const QueryKey& key) const {
    const auto found = answers_.find(key);
    if (found == answers_.end()) return std::nullopt;
    ++hits_;
    return found->second;
  }
  void Store(const QueryKey& key, const Result& result) { answers_[key] = result; }
  void Erase(const QueryKey& key) { answers_.erase(key); }
  void Clear() { answers_.clear(); }
  bool Contains(const QueryKey& key) const { return answers_.count(key) != 0; }
  std::size_t Size() const { return answers_.size(); }
  // How many answers Find has given since the cache was made; Clear leaves the count.
  std::size_t Hits() const { return hits_; }

 private:
  std::map<QueryKey, Result> answers_;
  mutable std::size_t hits_ = 0;
};

}  // namespace tabulon
