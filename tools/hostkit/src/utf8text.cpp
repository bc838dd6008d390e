#include "hostkit/utf8text.h"

namespace hostkit {

bool DecodeUtf8(const std::string& bytes, wxString& text) {
  if (bytes.find('\0') != std::string::npos) return false;
  text = wxString::FromUTF8(bytes.data(), bytes.size());
  return bytes.empty() || !text.empty();
}

}  // namespace hostkit
