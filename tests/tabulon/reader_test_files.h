#pragma once
// Data files for the reader tests: the three header lines, an unread line, two heading rows and data rows.
#include "tabulon/src/muexperimenttextreadermultifile.h"
#include "tests/support/files.h"
#include <memory>
#include <string>
#include <vector>
#include <wx/filename.h>
#include <wx/string.h>

namespace readertest {

using Cells = std::vector<std::string>;

inline std::string JoinCells(const Cells& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "\t" : "") + cells[i];
  return line;
}

// A data file with the given heading rows and data rows.
inline std::string DataFileText(const Cells& top, const Cells& bottom, const std::vector<Cells>& rows,
                                const std::string& participant = "P1") {
  std::string text = participant + "\nExperiment One\n1/2/2024 3:04:05 PM\n\n";
  text += JoinCells(top) + "\n" + JoinCells(bottom) + "\n";
  for (const Cells& row : rows) text += JoinCells(row) + "\n";
  return text;
}

inline std::string WriteDataFile(const std::string& path, const Cells& top, const Cells& bottom,
                                 const std::vector<Cells>& rows) {
  testsupport::WriteFile(path, DataFileText(top, bottom, rows));
  return path;
}

inline wxString Wx(const std::string& utf8) { return wxString::FromUTF8(utf8.c_str()); }

inline std::shared_ptr<MUExperimentTextReaderMultiFile> LoadReader(const std::string& path) {
  auto reader = std::make_shared<MUExperimentTextReaderMultiFile>();
  reader->AddSelectedFile(wxFileName(Wx(path)), false);
  return reader;
}

// Texts of one shown column, top to bottom.
inline std::vector<wxString> ColumnTexts(const MUExperimentTextReaderMultiFile& reader, const wxString& name) {
  std::vector<wxString> texts;
  const int column = reader.GetColumnIndex(name);
  for (int row = 0; row < reader.GetRowCount(); ++row) texts.push_back(reader.GetCellText(row, column));
  return texts;
}

inline std::vector<wxString> WxList(const std::vector<std::string>& texts) {
  std::vector<wxString> list;
  for (const auto& text : texts) list.push_back(Wx(text));
  return list;
}

}  // namespace readertest
