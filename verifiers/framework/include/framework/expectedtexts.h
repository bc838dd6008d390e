#pragma once
#include "framework/textcolumn.h"
#include <initializer_list>
#include <vector>
#include <wx/string.h>

namespace Varnel {

// Builds expected column lists the way they are usually written down: runs of equal entries ("x" times 8),
// sequences, and sequences repeated. Used once, when a verifier's function-local static list is first built.
class ExpectedTextsBuilder {
 public:
  // One entry, count times in a row.
  ExpectedTextsBuilder& Run(const wxString& text, int count = 1);
  // The entries in order, the whole sequence count times.
  ExpectedTextsBuilder& Sequence(std::initializer_list<wxString> sequence, int count = 1);
  ExpectedTextsBuilder& Sequence(const std::vector<wxString>& sequence, int count = 1);
  std::vector<wxString> Build() const { return texts_; }

 private:
  std::vector<wxString> texts_;
};

}  // namespace Varnel

namespace Varnel {

// The texts with the separator between consecutive ones (none after the last), after before and followed by after:
// built in one piece of its exact length, since a column may hold a million texts.
wxString JoinTexts(const TextColumn& texts, const wxString& separator, const wxString& before = wxString(),
                   const wxString& after = wxString());

}  // namespace Varnel
