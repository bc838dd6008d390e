#pragma once
#include <cstdint>
#include <tuple>
#include <wx/string.h>

namespace tabulon {

// Identifies one cached query: three texts ordered part by part (the caches are ordered maps).
struct QueryKey {
  wxString part1;
  wxString part2;
  wxString part3;

  bool operator<(const QueryKey& other) const {
    return std::tie(part1, part2, part3) < std::tie(other.part1, other.part2, other.part3);
  }
};

// Three BEL characters: never part of data, so it can join the pieces of a key without ambiguity.
const wxString& QueryKeySeparator();

// Keys of the row-index queries over the rows of a scope (1 shown, 2 all, 4 unfiltered).
QueryKey RowsWhereBitsMatchKey(std::uint32_t bits, int scope);
QueryKey RowsWhereBitsAbsentKey(std::uint32_t bits, int scope);
QueryKey RowsWhereBitsHasXAbsentYKey(std::uint32_t x, std::uint32_t y, int scope);
QueryKey RowsWherePredicateKey(const wxString& description, int scope, unsigned first, unsigned last);

// Keys of the column-name queries.
QueryKey ColumnsWhereBitsMatchKey(std::uint32_t bits);
QueryKey ColumnsWhereBitsAbsentKey(std::uint32_t bits);
QueryKey ColumnsWhereBitsHasXAbsentYKey(std::uint32_t x, std::uint32_t y);

// Key of the distinct values of one column.
QueryKey DistinctValuesKey(const wxString& columnName, int scope, bool trim);

}  // namespace tabulon
