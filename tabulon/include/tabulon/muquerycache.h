#pragma once
#include "tabulon/querykey.h"
#include <map>
#include <optional>

// Answers of one family of queries, kept until the data they were computed from changes.
template <typename Result>
class MUQueryCache {
 public:
  // A copy of the stored answer, or nothing when the key has none.
  std::optional<Result> Find(const tabulon::QueryKey& key) const {
    const auto found = answers.find(key);
    if (found == answers.end()) return std::nullopt;
    return found->second;
  }
  void Store(const tabulon::QueryKey& key, const Result& result) { answers[key] = result; }
  void Erase(const tabulon::QueryKey& key) { answers.erase(key); }
  void Clear() { answers.clear(); }
  bool Contains(const tabulon::QueryKey& key) const { return answers.count(key) != 0; }
  std::size_t Size() const { return answers.size(); }

 private:
  std::map<tabulon::QueryKey, Result> answers;
};
