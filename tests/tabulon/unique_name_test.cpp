// Column names made unique with '#' suffixes, compared ignoring case.
#include "tabulon/src/mumakeuniquename.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

MUNamesInUse NamesOf(const std::vector<wxString>& names) {
  MUNamesInUse set;
  for (const wxString& name : names) set.Insert(name);
  return set;
}

// The rule written out plainly: collect the '#'-suffix lengths of the duplicates and take the first gap after
// the smallest.
wxString PlainUniqueName(const wxString& base, const std::vector<wxString>& names) {
  bool equal = false;
  std::vector<std::size_t> lengths;
  const wxString upperBase = base.Upper();
  for (const wxString& name : names) {
    if (name.Upper() == upperBase) {
      equal = true;
      continue;
    }
    const wxString upper = name.Upper();
    if (!upper.StartsWith(upperBase)) continue;
    const wxString rest = upper.Mid(upperBase.length());
    if (!rest.empty() && rest.find_first_not_of(wxS('#')) == wxString::npos) lengths.push_back(rest.length());
  }
  if (!equal) return base;
  if (lengths.empty()) return base + "#";
  lengths.push_back(1000000000);
  std::sort(lengths.begin(), lengths.end());
  std::size_t i = 0;
  while (lengths[i + 1] <= lengths[i] + 1) ++i;
  return base + wxString(wxS('#'), lengths[i] + 1);
}

struct UniqueCase {
  const char* base;
  std::vector<const char*> names;
  const char* expected;
};

class UniqueNames : public ::testing::TestWithParam<UniqueCase> {};

TEST_P(UniqueNames, FollowTheSuffixRule) {
  std::vector<wxString> names(GetParam().names.begin(), GetParam().names.end());
  EXPECT_EQ(MakeUniqueName(GetParam().base, NamesOf(names)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UniqueNames,
    ::testing::Values(UniqueCase{"Name", {}, "Name"}, UniqueCase{"Name", {"Other"}, "Name"},
                      UniqueCase{"Name", {"Name"}, "Name#"}, UniqueCase{"Name", {"NAME"}, "Name#"},
                      UniqueCase{"Name", {"Name", "Name#"}, "Name##"},
                      UniqueCase{"Name", {"Name", "Name#", "Name##"}, "Name###"},
                      UniqueCase{"Name", {"Name", "Name##"}, "Name###"},
                      UniqueCase{"Name", {"Name", "Name#", "Name###"}, "Name##"},
                      UniqueCase{"Name", {"Name#"}, "Name"}, UniqueCase{"Name", {"Name", "Name#x"}, "Name#"},
                      UniqueCase{"Name#", {"Name#", "Name"}, "Name##"}, UniqueCase{"", {""}, "#"},
                      UniqueCase{"", {"", "#", "##"}, "###"}, UniqueCase{"a\nb", {"A\nB", "a\nb#"}, "a\nb##"}));

TEST(UniqueName, AgreesWithThePlainRuleOnRandomNameSets) {
  std::mt19937 random(11);
  const char* stems[] = {"A", "a", "B", "", "A#b"};
  for (int round = 0; round < 3000; ++round) {
    std::vector<wxString> names;
    const int count = static_cast<int>(random() % 8);
    for (int i = 0; i < count; ++i) {
      wxString name = stems[random() % 5];
      name += wxString(wxS('#'), random() % 4);
      if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    wxString base = stems[random() % 5];
    base += wxString(wxS('#'), random() % 2);
    ASSERT_EQ(MakeUniqueName(base, NamesOf(names)), PlainUniqueName(base, names)) << "base " << base;
  }
}

TEST(UniqueName, ClearForgetsEveryName) {
  MUNamesInUse names = NamesOf({"A"});
  EXPECT_FALSE(names.empty());
  names.Clear();
  EXPECT_TRUE(names.empty());
  EXPECT_EQ(MakeUniqueName("A", names), "A");
}

}  // namespace
