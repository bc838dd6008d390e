#include "reportreader.h"
#include "xmlstream.h"
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>
#include <wx/log.h>

namespace datahookrunner {

namespace {

std::optional<std::string> DeclaredAttribute(const XmlAttributes& attributes, const char* name) {
  for (const auto& [key, value] : attributes) {
    if (key == name) return value;
  }
  return std::nullopt;
}

std::string Attribute(const XmlAttributes& attributes, const char* name) {
  return DeclaredAttribute(attributes, name).value_or(std::string());
}

std::string LineAt(const std::string& text, std::size_t start) {
  if (start > text.size()) return std::string();
  const std::size_t end = text.find('\n', start);
  std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

// Builds the summary while the report streams past: only the failure being read is held as text.
class SummaryBuilder : public XmlHandler {
 public:
  explicit SummaryBuilder(ReportSummary& target) : summary_(target) {}

  hostkit::Status StartElement(const std::string& name, const XmlAttributes& attributes, std::size_t depth) override {
    const Role parent = roles_.empty() ? Role::Document : roles_.back();
    if (depth == 0 && name != "testsuite" && name != "testsuites") {
      return hostkit::Failure("not a test report: the root element is <" + name + ">, not <testsuites>");
    }
    roles_.push_back(RoleOf(name, parent, attributes));
    return {};
  }

  void EndElement() override {
    if (roles_.back() == Role::Failure) FinishFailure();
    roles_.pop_back();
  }

  // The location and message live in character data; a "]]>" inside them has to be split across two
  // sections, which are joined back together. Text outside them is only layout.
  void Text(const std::string& text, bool characterData) override {
    if (failureDepth_ == 0) return;
    failureText_ += text;
    if (characterData && roles_.size() == failureDepth_) {
      characterDataText_ += text;
      sawCharacterData_ = true;
    }
  }

 private:
  enum class Role { Document, List, Suite, Case, Failure, Other };

  Role RoleOf(const std::string& name, Role parent, const XmlAttributes& attributes) {
    if (parent == Role::Document && name == "testsuites") {
      summary_.declaredTests = DeclaredAttribute(attributes, "tests");
      summary_.declaredFailures = DeclaredAttribute(attributes, "failures");
      return Role::List;
    }
    if ((parent == Role::Document || parent == Role::List) && name == "testsuite") {
      summary_.suites.push_back({Attribute(attributes, "name"),
                                 0,
                                 0,
                                 {},
                                 DeclaredAttribute(attributes, "tests"),
                                 DeclaredAttribute(attributes, "failures")});
      return Role::Suite;
    }
    if (parent == Role::Suite && name == "testcase") {
      ++summary_.suites.back().tests;
      testName_ = Attribute(attributes, "name");
      return Role::Case;
    }
    if (parent == Role::Case && name == "failure") {
      failureDepth_ = roles_.size() + 1;
      failureSubject_ = Attribute(attributes, "message");
      return Role::Failure;
    }
    return Role::Other;
  }

  void FinishFailure() {
    ++summary_.suites.back().failureCount;
    if (summary_.listedFailures < ReportSummary::kMaxListedFailures) ListFailure();
    failureDepth_ = 0;
    failureText_.clear();
    characterDataText_.clear();
    sawCharacterData_ = false;
  }

  void ListFailure() {
    std::string text = characterDataText_;
    if (!sawCharacterData_) {
      const std::size_t start = failureText_.find_first_not_of(" \t\r\n");
      text = start == std::string::npos ? std::string() : failureText_.substr(start);
    }
    const std::size_t lineEnd = text.find('\n');
    FailureSummary failure{testName_, failureSubject_, LineAt(text, 0), std::string()};
    if (lineEnd != std::string::npos) failure.firstMessageLine = LineAt(text, lineEnd + 1);
    summary_.suites.back().failures.push_back(std::move(failure));
    ++summary_.listedFailures;
  }

  ReportSummary& summary_;
  std::vector<Role> roles_;
  std::string testName_;
  std::size_t failureDepth_ = 0;  // number of open elements while inside a failure, 0 outside
  std::string failureSubject_;
  std::string failureText_;
  std::string characterDataText_;
  bool sawCharacterData_ = false;
};

}  // namespace

unsigned long ReportSummary::TotalTests() const {
  unsigned long total = 0;
  for (const SuiteSummary& suite : suites) total += suite.tests;
  return total;
}

unsigned long ReportSummary::TotalFailures() const {
  unsigned long total = 0;
  for (const SuiteSummary& suite : suites) total += suite.failureCount;
  return total;
}

namespace {

// The whole file's digest, read from the start; the file is left at its start again. None when it cannot be read.
std::optional<Varnel::ContentDigest> DigestOfFile(wxFFile& file) {
  Varnel::ContentDigest digest;
  std::vector<char> chunk(1 << 16);
  while (!file.Eof()) {
    const std::size_t got = file.Read(chunk.data(), chunk.size());
    if (file.Error()) return std::nullopt;
    digest.Add(chunk.data(), got);
    if (got == 0) break;
  }
  if (!file.Seek(0)) return std::nullopt;
  // Some C libraries (MinGW's under Wine) keep the end-of-file mark through the seek.
  std::clearerr(file.fp());
  return digest;
}

hostkit::Result<ReportSummary> ReadSummary(const std::string& path, wxFFile& file) {
  ReportSummary summary;
  SummaryBuilder builder(summary);
  const XmlStatus read = ReadXmlStream(file, builder);
  if (read.Ok()) return summary;
  const XmlError& xmlError = read.Error();
  if (xmlError.fromHandler) return hostkit::Failure(xmlError.message);
  if (xmlError.line == 0) return hostkit::Failure("cannot parse report '" + path + "': " + xmlError.message);
  return hostkit::Failure("cannot parse report '" + path + "' (line " + std::to_string(xmlError.line) +
                          "): " + xmlError.message);
}

}  // namespace

hostkit::Result<ReadReport> ReadReportSummary(const std::string& path) {
  wxFFile file;
  std::optional<Varnel::ContentDigest> digest;
  {
    wxLogNull quiet;  // the reason is given below
    if (file.Open(wxString::FromUTF8(path), "rb")) digest = DigestOfFile(file);
    if (!digest) return hostkit::Failure("cannot read report '" + path + "'");
  }
  hostkit::Result<ReportSummary> summary = ReadSummary(path, file);
  if (!summary.Ok()) return hostkit::Failure(summary.Error());
  return ReadReport{std::move(summary).Value(), *digest};
}

}  // namespace datahookrunner
