#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <utility>
#include <vector>
#include <wx/string.h>

// What the data-file library knows about one column: its full two-line name, flags, kind and the files it occurs in.

namespace tabulon {

enum ColumnKind : std::uint32_t {
  ColumnKind_Unset = 0,
  ColumnKind_Numeric = 1,
  ColumnKind_Text = 2,
  ColumnKind_DateTime = 3,
};

// Column flag bits. The parser sets the first two; the reader uses the hiding bits.
namespace ColumnFlag {
constexpr std::uint32_t TrialVariable = 1;
constexpr std::uint32_t FirstSegmentAbsent = 2;
constexpr std::uint32_t Hidden4 = 4;
constexpr std::uint32_t NotInPresentFile = 8;
constexpr std::uint32_t Hidden16 = 16;
constexpr std::uint32_t HiddenByUser = 32;
constexpr std::uint32_t AnyHidingBit = 4 | 8 | 16 | 32;  // 60
}  // namespace ColumnFlag

// A data file's path, shared by all the columns that name it: a file of very many columns holds its path once.
using SharedPath = std::shared_ptr<const wxString>;

struct ColumnProperty {
  ColumnProperty(const wxString& columnName, const wxString& sourceFile)
      : ColumnProperty(columnName, std::make_shared<const wxString>(sourceFile)) {}
  ColumnProperty(const wxString& columnName, SharedPath sourceFile) : name(columnName) {
    sourceFiles.emplace_back(std::move(sourceFile), 0);
  }

  wxString name;
  std::uint32_t flags = 0;
  // One entry per data file holding the column; the value is 0 for a file whose rows count as present.
  std::vector<std::pair<SharedPath, std::uint16_t>> sourceFiles;
  std::uint32_t kind = ColumnKind_Unset;
};

// Column properties in column order, owned by whoever holds the queue.
using ColumnPropertyQueue = std::deque<std::unique_ptr<ColumnProperty>>;

}  // namespace tabulon
