#include "framework/expectedtexts.h"

namespace Varnel {

ExpectedTextsBuilder& ExpectedTextsBuilder::Run(const wxString& text, int count) {
  for (int i = 0; i < count; ++i) texts_.push_back(text);
  return *this;
}

ExpectedTextsBuilder& ExpectedTextsBuilder::Sequence(std::initializer_list<wxString> sequence, int count) {
  return Sequence(std::vector<wxString>(sequence), count);
}

ExpectedTextsBuilder& ExpectedTextsBuilder::Sequence(const std::vector<wxString>& sequence, int count) {
  for (int i = 0; i < count; ++i) texts_.insert(texts_.end(), sequence.begin(), sequence.end());
  return *this;
}

}  // namespace Varnel

namespace Varnel {

wxString JoinTexts(const TextColumn& texts, const wxString& separator, const wxString& before, const wxString& after) {
  std::size_t length = before.length() + after.length();
  for (std::size_t i = 0; i < texts.size(); ++i) length += texts[i].length() + (i > 0 ? separator.length() : 0);
  wxString joined;
  joined.reserve(length);
  joined += before;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) joined += separator;
    joined += texts[i];
  }
  joined += after;
  return joined;
}

}  // namespace Varnel
