#pragma once
#include <cstddef>
#include <iterator>
#include <vector>
#include <wx/string.h>

class MUInterfaceMultiExperimentDataSource;

namespace Varnel {

// Texts in row order, read where they are: a list's own, or a data file's column read from the reader on each
// access. Checks take columns this way so that a file of a million rows is never copied a string per row.
class TextColumn {
 public:
  class Iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = wxString;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = wxString;

    Iterator(const TextColumn* column, std::size_t row) : column_(column), row_(row) {}
    wxString operator*() const { return (*column_)[row_]; }
    Iterator& operator++() {
      ++row_;
      return *this;
    }
    bool operator==(const Iterator& other) const { return row_ == other.row_; }
    bool operator!=(const Iterator& other) const { return row_ != other.row_; }

   private:
    const TextColumn* column_;
    std::size_t row_;
  };

  // The texts of a list, which must outlive the column. Not explicit: a list reads as a column.
  TextColumn(const std::vector<wxString>& texts);  // NOLINT(google-explicit-constructor)
  // The reader's column at that index, each of its rows; "?" for every row when the index is no column's.
  TextColumn(const MUInterfaceMultiExperimentDataSource& reader, int column);

  std::size_t size() const { return rows_; }
  bool empty() const { return rows_ == 0; }
  wxString operator[](std::size_t row) const;
  Iterator begin() const { return {this, 0}; }
  Iterator end() const { return {this, rows_}; }
  // A list of the rows [first, last) (clamped to the column), for checks that keep a part.
  std::vector<wxString> Slice(std::size_t first, std::size_t last) const;

 private:
  const std::vector<wxString>* texts_ = nullptr;
  const MUInterfaceMultiExperimentDataSource* reader_ = nullptr;
  int column_ = -1;
  std::size_t rows_ = 0;
};

// Whether the column holds exactly those texts, in that order.
bool operator==(const TextColumn& column, const std::vector<wxString>& texts);
inline bool operator!=(const TextColumn& column, const std::vector<wxString>& texts) { return !(column == texts); }

}  // namespace Varnel
