#include "framework/textcolumn.h"
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include <algorithm>

namespace Varnel {

TextColumn::TextColumn(const std::vector<wxString>& texts) : texts_(&texts), rows_(texts.size()) {}

TextColumn::TextColumn(const MUInterfaceMultiExperimentDataSource& reader, int column)
    : reader_(&reader), column_(column), rows_(static_cast<std::size_t>(std::max(reader.GetRowCount(), 0))) {}

wxString TextColumn::operator[](std::size_t row) const {
  if (texts_ != nullptr) return (*texts_)[row];
  return reader_->GetCellText(static_cast<int>(row), column_);
}

std::vector<wxString> TextColumn::Slice(std::size_t first, std::size_t last) const {
  std::vector<wxString> texts;
  for (std::size_t row = first; row < std::min(last, rows_); ++row) texts.push_back((*this)[row]);
  return texts;
}

bool operator==(const TextColumn& column, const std::vector<wxString>& texts) {
  if (column.size() != texts.size()) return false;
  for (std::size_t row = 0; row < texts.size(); ++row) {
    if (column[row] != texts[row]) return false;
  }
  return true;
}

}  // namespace Varnel
