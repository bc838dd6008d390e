#include "tools/datahook-runner/reportreader.h"
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <memory>

namespace datahookrunner {

namespace {

using XmlDocument = std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)>;

bool IsElement(const xmlNode* node, const char* name) {
  return node->type == XML_ELEMENT_NODE && xmlStrcmp(node->name, reinterpret_cast<const xmlChar*>(name)) == 0;
}

std::string Attribute(const xmlNode* node, const char* name) {
  xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
  if (value == nullptr) return std::string();
  std::string text(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return text;
}

std::string NodeText(const xmlNode* node) {
  xmlChar* content = xmlNodeGetContent(node);
  if (content == nullptr) return std::string();
  std::string text(reinterpret_cast<const char*>(content));
  xmlFree(content);
  return text;
}

// The location and message live in character data; a "]]>" inside them has to be split across two
// sections, so the sections are joined back together. Text outside them is only layout.
std::string FailureText(const xmlNode* failure) {
  std::string text;
  bool sawCharacterData = false;
  for (const xmlNode* child = failure->children; child != nullptr; child = child->next) {
    if (child->type != XML_CDATA_SECTION_NODE) continue;
    sawCharacterData = true;
    text += NodeText(child);
  }
  if (sawCharacterData) return text;
  text = NodeText(failure);
  const std::size_t start = text.find_first_not_of(" \t\r\n");
  return start == std::string::npos ? std::string() : text.substr(start);
}

std::string LineAt(const std::string& text, std::size_t start) {
  if (start > text.size()) return std::string();
  const std::size_t end = text.find('\n', start);
  std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

FailureSummary SummariseFailure(const std::string& testName, const xmlNode* failure) {
  const std::string text = FailureText(failure);
  const std::size_t lineEnd = text.find('\n');
  FailureSummary summary{testName, Attribute(failure, "message"), LineAt(text, 0), std::string()};
  if (lineEnd != std::string::npos) summary.firstMessageLine = LineAt(text, lineEnd + 1);
  return summary;
}

void SummariseTestCase(const xmlNode* testCase, SuiteSummary& suite) {
  ++suite.tests;
  const std::string name = Attribute(testCase, "name");
  for (const xmlNode* child = testCase->children; child != nullptr; child = child->next) {
    if (IsElement(child, "failure")) suite.failures.push_back(SummariseFailure(name, child));
  }
}

SuiteSummary SummariseSuite(const xmlNode* suiteNode) {
  SuiteSummary suite;
  suite.name = Attribute(suiteNode, "name");
  suite.declaredTests = Attribute(suiteNode, "tests");
  suite.declaredFailures = Attribute(suiteNode, "failures");
  for (const xmlNode* child = suiteNode->children; child != nullptr; child = child->next) {
    if (IsElement(child, "testcase")) SummariseTestCase(child, suite);
  }
  return suite;
}

// A report is either a list of suites or, as some tools write it, a single suite.
bool SummariseRoot(const xmlNode* root, ReportSummary& summary, std::string& error) {
  if (IsElement(root, "testsuite")) {
    summary.suites.push_back(SummariseSuite(root));
    return true;
  }
  if (!IsElement(root, "testsuites")) {
    error = "not a test report: the root element is <" + std::string(reinterpret_cast<const char*>(root->name)) +
            ">, not <testsuites>";
    return false;
  }
  summary.declaresTotals = true;
  summary.declaredTests = Attribute(root, "tests");
  summary.declaredFailures = Attribute(root, "failures");
  for (const xmlNode* child = root->children; child != nullptr; child = child->next) {
    if (IsElement(child, "testsuite")) summary.suites.push_back(SummariseSuite(child));
  }
  return true;
}

// libxml2 keeps only its last error, which after a broken tag is a vague "premature end"; the first one
// says what went wrong.
struct FirstXmlError {
  std::string message;
  int line = 0;
};

void KeepFirstError(void* context, xmlErrorPtr error) {
  auto* first = static_cast<FirstXmlError*>(context);
  if (error == nullptr || error->level < XML_ERR_ERROR || !first->message.empty()) return;
  first->message = error->message != nullptr ? error->message : "unknown error";
  while (!first->message.empty() && first->message.back() == '\n') first->message.pop_back();
  first->line = error->line;
}

XmlDocument ParseFile(const std::string& path, FirstXmlError& firstError) {
  xmlSetStructuredErrorFunc(&firstError, KeepFirstError);
  XmlDocument document(xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOWARNING), &xmlFreeDoc);
  xmlSetStructuredErrorFunc(nullptr, nullptr);
  return document;
}

std::string ParseError(const std::string& path, const FirstXmlError& firstError) {
  if (firstError.message.empty()) return "cannot parse report '" + path + "'";
  return "cannot parse report '" + path + "' (line " + std::to_string(firstError.line) + "): " + firstError.message;
}

}  // namespace

unsigned long ReportSummary::TotalTests() const {
  unsigned long total = 0;
  for (const SuiteSummary& suite : suites) total += suite.tests;
  return total;
}

unsigned long ReportSummary::TotalFailures() const {
  unsigned long total = 0;
  for (const SuiteSummary& suite : suites) total += suite.failures.size();
  return total;
}

bool ReadReportSummary(const std::string& path, ReportSummary& summary, std::string& error) {
  FirstXmlError firstError;
  XmlDocument document = ParseFile(path, firstError);
  if (!document) {
    error = ParseError(path, firstError);
    return false;
  }
  const xmlNode* root = xmlDocGetRootElement(document.get());
  if (root == nullptr) {
    error = "report '" + path + "' has no root element";
    return false;
  }
  return SummariseRoot(root, summary, error);
}

}  // namespace datahookrunner
