#include "report.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <wx/utils.h>

namespace testsupport {

namespace {

std::string Attribute(xmlNode* node, const char* name) {
  xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
  if (value == nullptr) return std::string();
  std::string text(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return text;
}

bool Is(xmlNode* node, const char* name) {
  return node->type == XML_ELEMENT_NODE && xmlStrcmp(node->name, reinterpret_cast<const xmlChar*>(name)) == 0;
}

std::string WithoutPid(const std::string& suite) {
  const size_t at = suite.rfind("_pid_");
  return at == std::string::npos ? suite : suite.substr(0, at);
}

std::string WithoutNumber(const std::string& name) {
  if (name.rfind("test", 0) != 0 || name.size() < 5 || !std::isdigit(static_cast<unsigned char>(name[4]))) return name;
  size_t at = 4;  // "test" then at least three digits
  while (at < name.size() && std::isdigit(static_cast<unsigned char>(name[at]))) ++at;
  return name.substr(at);
}

Outcome ReadTestCase(xmlNode* testcase, const std::string& suite) {
  Outcome outcome;
  outcome.suite = suite;
  outcome.name = WithoutNumber(Attribute(testcase, "name"));
  outcome.className = Attribute(testcase, "classname");
  for (xmlNode* child = testcase->children; child != nullptr; child = child->next) {
    if (!Is(child, "failure")) continue;
    outcome.failed = true;
    outcome.subject = Attribute(child, "message");
    xmlChar* content = xmlNodeGetContent(child);
    std::string text(reinterpret_cast<const char*>(content));
    xmlFree(content);
    // The text is "\n\n " before the section and "\n\n" after it.
    const size_t start = text.find_first_not_of("\n ");
    const size_t end = text.find_last_not_of('\n');
    text = start == std::string::npos ? std::string() : text.substr(start, end - start + 1);
    const size_t lineEnd = text.find('\n');
    outcome.location = text.substr(0, lineEnd);
    outcome.message = lineEnd == std::string::npos ? std::string() : text.substr(lineEnd + 1);
  }
  return outcome;
}

}  // namespace

bool Outcome::operator==(const Outcome& other) const {
  return suite == other.suite && name == other.name && className == other.className && failed == other.failed &&
         subject == other.subject && location == other.location && message == other.message;
}

std::vector<Outcome> Report::OfSuite(const std::string& suite) const {
  std::vector<Outcome> selected;
  for (const Outcome& outcome : outcomes) {
    if (outcome.suite == suite) selected.push_back(outcome);
  }
  return selected;
}

Report ReadReport(const std::string& path) {
  Report report;
  xmlDoc* document = xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET);
  EXPECT_NE(document, nullptr) << path << " is not well-formed XML";
  if (document == nullptr) return report;
  xmlNode* root = xmlDocGetRootElement(document);
  report.tests = std::stoi(Attribute(root, "tests"));
  report.failures = std::stoi(Attribute(root, "failures"));
  for (xmlNode* suite = root->children; suite != nullptr; suite = suite->next) {
    if (!Is(suite, "testsuite")) continue;
    const std::string suiteName = WithoutPid(Attribute(suite, "name"));
    for (xmlNode* testcase = suite->children; testcase != nullptr; testcase = testcase->next) {
      if (Is(testcase, "testcase")) report.outcomes.push_back(ReadTestCase(testcase, suiteName));
    }
  }
  xmlFreeDoc(document);
  return report;
}

std::string Describe(const Outcome& outcome) {
  if (!outcome.failed) return "pass " + outcome.name;
  return "FAIL " + outcome.name + " | " + outcome.subject + " | " + outcome.location + " | " + outcome.message;
}

std::vector<std::string> DashboardReportsIn(const std::string& directory) {
  std::vector<std::string> reports;
  std::error_code missing;
  for (const auto& entry : std::filesystem::directory_iterator(directory, missing)) {
    if (entry.path().extension() == ".xml") reports.push_back(entry.path().string());
  }
  return reports;
}

DashboardSwitchedOn::DashboardSwitchedOn(const std::string& directory) {
  wxSetEnv("DH_AUTOMATEDTESTING_JUNIT_DIR", wxString::FromUTF8(directory));
}

DashboardSwitchedOn::~DashboardSwitchedOn() { wxUnsetEnv("DH_AUTOMATEDTESTING_JUNIT_DIR"); }

}  // namespace testsupport
