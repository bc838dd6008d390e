#pragma once
// The command line as UTF-8 text, the form both tools work with. Windows hands main() its arguments in the
// ANSI code page, which cannot hold every file name; its wide entry point gets them whole, and the toolkit
// turns them into UTF-8.
#include <string>
#include <vector>
#include <wx/string.h>

namespace dhtools {

class Utf8Arguments {
 public:
  Utf8Arguments(int argc, wchar_t** argv) {
    for (int i = 0; i < argc; ++i) texts_.push_back(wxString(argv[i]).utf8_string());
    for (std::string& text : texts_) pointers_.push_back(text.data());
    pointers_.push_back(nullptr);
  }
  int Count() const { return static_cast<int>(texts_.size()); }
  char** Values() { return pointers_.data(); }

 private:
  std::vector<std::string> texts_;
  std::vector<char*> pointers_;
};

}  // namespace dhtools
