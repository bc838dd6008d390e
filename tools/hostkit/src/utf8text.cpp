#include "hostkit/utf8text.h"

namespace hostkit {

std::optional<wxString> DecodeUtf8(const std::string& bytes) {
  if (bytes.find('\0') != std::string::npos) return std::nullopt;
  wxString text = wxString::FromUTF8(bytes.data(), bytes.size());
  if (!bytes.empty() && text.empty()) return std::nullopt;
  return text;
}

}  // namespace hostkit
