#include "tests/support/dashboardreport.h"
#include <algorithm>
#include <cstdlib>
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

std::string Content(xmlNode* node) {
  xmlChar* content = xmlNodeGetContent(node);
  std::string text(reinterpret_cast<const char*>(content));
  xmlFree(content);
  return text;
}

bool Is(xmlNode* node, const char* name) {
  return node->type == XML_ELEMENT_NODE && xmlStrcmp(node->name, reinterpret_cast<const xmlChar*>(name)) == 0;
}

DashboardCase ReadCase(xmlNode* testcase) {
  DashboardCase read{Attribute(testcase, "classname"), Attribute(testcase, "name"), false, "", ""};
  for (xmlNode* child = testcase->children; child != nullptr; child = child->next) {
    if (!Is(child, "failure")) continue;
    read.failed = true;
    read.subject = Attribute(child, "message");
    read.text = Content(child);
  }
  return read;
}

DashboardSuite ReadSuite(xmlNode* suite) {
  DashboardSuite read;
  read.name = Attribute(suite, "name");
  read.tests = std::stoi(Attribute(suite, "tests"));
  read.failures = std::stoi(Attribute(suite, "failures"));
  for (xmlNode* child = suite->children; child != nullptr; child = child->next) {
    if (Is(child, "testcase")) read.cases.push_back(ReadCase(child));
    if (Is(child, "system-out")) read.systemOut = Content(child);
    if (!Is(child, "properties")) continue;
    for (xmlNode* property = child->children; property != nullptr; property = property->next) {
      if (Is(property, "property")) read.properties[Attribute(property, "name")] = Attribute(property, "value");
    }
  }
  return read;
}

}  // namespace

std::vector<std::string> DashboardReport::Identities() const {
  std::vector<std::string> identities;
  for (const DashboardSuite& suite : suites) {
    for (const DashboardCase& test : suite.cases)
      identities.push_back(test.className + "|" + suite.name + "|" + test.name);
  }
  return identities;
}

std::vector<DashboardSuite> DashboardReport::OfDataFile(const std::string& path) const {
  std::vector<DashboardSuite> selected;
  for (const DashboardSuite& suite : suites) {
    const auto found = suite.properties.find("data_file");
    if (found != suite.properties.end() && found->second == path) selected.push_back(suite);
  }
  return selected;
}

DashboardReport ReadDashboardReport(const std::string& path) {
  DashboardReport report;
  xmlDoc* document = xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET);
  EXPECT_NE(document, nullptr) << path << " is not well-formed XML";
  if (document == nullptr) return report;
  xmlNode* root = xmlDocGetRootElement(document);
  report.tests = std::stoi(Attribute(root, "tests"));
  report.failures = std::stoi(Attribute(root, "failures"));
  for (xmlNode* suite = root->children; suite != nullptr; suite = suite->next) {
    if (Is(suite, "testsuite")) report.suites.push_back(ReadSuite(suite));
  }
  xmlFreeDoc(document);
  return report;
}

std::vector<std::string> DashboardReportsIn(const std::string& directory) {
  std::vector<std::string> reports;
  std::error_code missing;
  for (const auto& entry : std::filesystem::directory_iterator(directory, missing)) {
    if (entry.path().extension() == ".xml") reports.push_back(entry.path().string());
  }
  std::sort(reports.begin(), reports.end());
  return reports;
}

DashboardSwitchedOn::DashboardSwitchedOn(const std::string& directory) {
  wxSetEnv(kJunitDirVariable, wxString::FromUTF8(directory));
}

DashboardSwitchedOn::~DashboardSwitchedOn() { wxUnsetEnv(kJunitDirVariable); }

}  // namespace testsupport
