#include "tabulon/querykey.h"

namespace tabulon {

namespace {

const wxString& RowIndicesWord() {
  static const wxString word = QueryKeySeparator() + wxS("GETROWINDICES");
  return word;
}

const wxString& ColumnNamesWord() {
  static const wxString word = QueryKeySeparator() + wxS("GETCOLUMNNAMES");
  return word;
}

wxString Condition(const char* name) { return QueryKeySeparator() + wxString::FromAscii(name); }

wxString Decimal(std::uint32_t bits) { return wxString::Format(wxS("%d"), static_cast<int>(bits)); }

// The scope digit of the bit-string row queries: unfiltered, shown, or all rows.
wxString RowScopeDigit(int scope) {
  if (scope == 4) return wxS("1");
  if (scope == 1) return wxS("0");
  return wxS("2");
}

}  // namespace

const wxString& QueryKeySeparator() {
  static const wxString separator(wxUniChar(7), 3);
  return separator;
}

QueryKey RowsWhereBitsMatchKey(std::uint32_t bits, int scope) {
  return {RowIndicesWord(), Condition("WHEREBITSTRINGMATCHES"),
          RowScopeDigit(scope) + QueryKeySeparator() + Decimal(bits)};
}

QueryKey RowsWhereBitsAbsentKey(std::uint32_t bits, int scope) {
  return {RowIndicesWord(), Condition("WHEREBITSTRINGABSENT"),
          RowScopeDigit(scope) + QueryKeySeparator() + Decimal(bits)};
}

QueryKey RowsWhereBitsHasXAbsentYKey(std::uint32_t x, std::uint32_t y, int scope) {
  return {RowIndicesWord(), Condition("WHEREBITSTRINGHASXABSENTY"),
          RowScopeDigit(scope) + QueryKeySeparator() + Decimal(x) + QueryKeySeparator() + Decimal(y)};
}

QueryKey RowsWherePredicateKey(const wxString& description, int scope, unsigned first, unsigned last) {
  const wxString& sep = QueryKeySeparator();
  return {RowIndicesWord(), Condition("WHEREPREDICATERETURNSTRUE"),
          wxString(scope == 2 ? wxS("1") : wxS("0")) + sep + description + sep + wxString::Format(wxS("%u"), first) +
              sep + wxString::Format(wxS("%u"), last)};
}

QueryKey ColumnsWhereBitsMatchKey(std::uint32_t bits) {
  return {ColumnNamesWord(), Condition("WHEREBITSTRINGMATCHES"), Decimal(bits)};
}

QueryKey ColumnsWhereBitsAbsentKey(std::uint32_t bits) {
  return {ColumnNamesWord(), Condition("WHEREBITSTRINGABSENT"), Decimal(bits)};
}

QueryKey ColumnsWhereBitsHasXAbsentYKey(std::uint32_t x, std::uint32_t y) {
  return {ColumnNamesWord(), Condition("WHEREBITSTRINGHASXABSENTY"), Decimal(x) + QueryKeySeparator() + Decimal(y)};
}

QueryKey DistinctValuesKey(const wxString& columnName, int scope, bool trim) {
  return {columnName, wxS("SELECTDISTINCTPERCOLUMN"),
          wxString::Format(wxS("%d"), scope) + QueryKeySeparator() + wxString::Format(wxS("%d"), trim ? 1 : 0)};
}

}  // namespace tabulon
