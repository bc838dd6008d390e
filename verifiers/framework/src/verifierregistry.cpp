#include "framework/verifierregistry.h"
#include "tabulon/asciicase.h"
#include <algorithm>
#include <utility>

namespace Varnel {

namespace {

// Keys longer than any registered name add nothing to the comparison but time.
constexpr std::size_t kComparedKeyLength = 200;

std::size_t EditDistance(const wxString& a, const wxString& b) {
  std::vector<std::size_t> previous(b.length() + 1);
  std::vector<std::size_t> current(b.length() + 1);
  for (std::size_t j = 0; j <= b.length(); ++j) previous[j] = j;
  for (std::size_t i = 1; i <= a.length(); ++i) {
    current[0] = i;
    for (std::size_t j = 1; j <= b.length(); ++j) {
      const std::size_t replace = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
      current[j] = std::min({previous[j] + 1, current[j - 1] + 1, replace});
    }
    std::swap(previous, current);
  }
  return previous[b.length()];
}

}  // namespace

VerifierRegistry& TheVerifierRegistry() {
  static VerifierRegistry registry;
  return registry;
}

void RegisterVerifier(const VerifierRegistration& registration) {
  TheVerifierRegistry().emplace(tabulon::AsciiUpper(registration.name), registration);
}

wxString RegistryKeyForDataFile(const wxString& dataFilePath) {
  const wxString upper = tabulon::AsciiUpper(DataFileNamePart(dataFilePath));
  const int blank = upper.Find(' ');
  return blank == wxNOT_FOUND ? upper : upper.Left(blank);
}

}  // namespace Varnel

namespace Varnel {

std::vector<wxString> ClosestRegisteredNames(const wxString& key, std::size_t count) {
  const wxString compared = tabulon::AsciiUpper(key).Left(kComparedKeyLength);
  std::vector<std::pair<std::size_t, wxString>> ranked;
  for (const auto& [upperName, registration] : TheVerifierRegistry()) {
    ranked.emplace_back(EditDistance(compared, upperName), registration.name);
  }
  std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<wxString> names;
  for (std::size_t i = 0; i < ranked.size() && i < count; ++i) names.push_back(ranked[i].second);
  return names;
}

}  // namespace Varnel
