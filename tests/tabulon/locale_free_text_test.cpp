// The rules for case and numbers that no locale changes: under a German, a Turkish and a right-to-left locale
// they give what they give under C, where the C library and the toolkit do not.
#include "tabulon/asciicase.h"
#include "tabulon/decimaltext.h"
#include <clocale>
#include <cstdio>
#include <gtest/gtest.h>
#include <wx/filename.h>

namespace {

// The locales by the names each system knows them by.
const std::vector<std::vector<const char*>> kLocales = {{"de_DE.UTF-8", "German_Germany.1252", "de-DE"},
                                                        {"tr_TR.UTF-8", "Turkish_Turkey.1254", "tr-TR"},
                                                        {"he_IL.UTF-8", "Hebrew_Israel.1255", "he-IL"}};

// Under the locale for the lifetime of the object (the C locale again afterwards); adopted() is false when the
// system knows the locale by none of its names.
class UnderLocale {
 public:
  explicit UnderLocale(const std::vector<const char*>& names) {
    for (const char* name : names) {
      if (std::setlocale(LC_ALL, name) != nullptr) {
        name_ = name;
        return;
      }
    }
  }
  ~UnderLocale() { std::setlocale(LC_ALL, "C"); }
  UnderLocale(const UnderLocale&) = delete;
  UnderLocale& operator=(const UnderLocale&) = delete;
  bool Adopted() const { return !name_.empty(); }
  const std::string& Name() const { return name_; }

 private:
  std::string name_;
};

std::string PrintfFixed(double value, int decimals) {
  char text[400];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// What the rules give, one line per case: case folding, then numbers and sizes.
std::string Everything() {
  std::string all;
  const wxString names[] = {wxString::FromUTF8("2-15-13-limit_trial_repeats_fb_test.vn5"),
                            wxString::FromUTF8("ci-DH-BUILDFARM-07 \xC4\xB1 \xC4\xB0 \xC3\xA4 \xCE\xB1")};
  for (const wxString& name : names) {
    all += (tabulon::AsciiUpper(name) + " " + tabulon::AsciiLower(name)).utf8_string() + "\n";
  }
  const double values[] = {0.42, 0.5, 0.125, 2.5, 0.4299999, -0.0000005, 1e-7, 123456.789, 1e20};
  for (const double value : values) {
    for (const int decimals : {0, 1, 6}) all += tabulon::FixedDecimal(value, decimals) + "\n";
  }
  const unsigned long long sizes[] = {0, 1, 1023, 1024, 1075, 4096, 1048575, 1048576, 1048577, 1ULL << 40, ~0ULL};
  for (const unsigned long long size : sizes) all += tabulon::ByteSizeText(size) + "\n";
  return all;
}

TEST(LocaleFreeText, CaseFoldingTouchesAsciiLettersOnly) {
  using tabulon::ContainsIgnoringAsciiCase;
  using tabulon::EqualIgnoringAsciiCase;
  EXPECT_TRUE(EqualIgnoringAsciiCase("Host_Name_A", "HOST_name_a"));
  EXPECT_FALSE(EqualIgnoringAsciiCase("host_name_a", "host_name_a "));
  EXPECT_FALSE(EqualIgnoringAsciiCase(wxString::FromUTF8("\xC4\xB1"), "I"));  // dotless i is no ASCII letter
  EXPECT_FALSE(EqualIgnoringAsciiCase(wxString::FromUTF8("\xC4\xB0"), "i"));  // nor is the dotted capital I
  EXPECT_TRUE(ContainsIgnoringAsciiCase("lab-DH-LAB-RIG-A-2", "dh-lab-rig-a"));
  EXPECT_TRUE(ContainsIgnoringAsciiCase("dh-lab-rig-b.site", "DH-LAB-RIG-B"));
  EXPECT_FALSE(ContainsIgnoringAsciiCase("dh-lab-rig", "dh-lab-rig-a"));
  EXPECT_TRUE(ContainsIgnoringAsciiCase("any", ""));
}

TEST(LocaleFreeText, NumbersAreWrittenAsTheCLibraryWritesThemUnderC) {
  for (const double value : {0.42, 0.5, 0.125, 2.5, 0.4299999, -0.0000005, 1e-7, 123456.789, 1e20, 1e300}) {
    for (const int decimals : {0, 1, 6}) {
      EXPECT_EQ(tabulon::FixedDecimal(value, decimals), PrintfFixed(value, decimals)) << value;
    }
  }
  for (const unsigned long long size :
       {0ULL, 1ULL, 1023ULL, 1024ULL, 1075ULL, 4096ULL, 1048575ULL, 1048577ULL, (1ULL << 40) + 12345ULL}) {
    EXPECT_EQ(tabulon::ByteSizeText(size), wxFileName::GetHumanReadableSize(wxULongLong(size), "0 B").utf8_string())
        << size;
  }
}

TEST(LocaleFreeText, EveryLocaleGivesWhatTheCLocaleGives) {
  const std::string underC = Everything();
  for (const std::vector<const char*>& names : kLocales) {
    const UnderLocale locale(names);
    ASSERT_TRUE(locale.Adopted()) << names[0] << " is not installed (scripts/install-deps.sh generates it)";
    EXPECT_EQ(Everything(), underC) << locale.Name();
    // The C library's own rules changed with the locale, so the sameness above is the rules' own.
    const bool decimalComma = PrintfFixed(0.5, 1) == "0,5";
    const bool turkishCase = wxString("i").Upper() != "I";
    // Hebrew is the one that changes neither ("he_IL.UTF-8", "Hebrew_Israel.1255" on Windows).
    EXPECT_EQ(decimalComma || turkishCase, std::string(names[0]).rfind("he_", 0) != 0) << locale.Name();
  }
}

}  // namespace
