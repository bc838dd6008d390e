#pragma once
#include <vector>
#include <wx/log.h>
#include <wx/string.h>

// A log target that only collects the texts of the messages logged to it, in order, and passes nothing on.
// A parser installs it while it opens a file so that the reasons for a failed open become its reports
// instead of reaching the host's log.
class MUEasyRedirectMinimalErrorLog : public wxLog {
 public:
  // Collects the bare message texts, without the time stamp and level that the toolkit puts before them.
  MUEasyRedirectMinimalErrorLog();
  // A copy of the messages collected; they count as taken, so the next message starts a new list.
  std::vector<wxString> TakeMessages();

 protected:
  void DoLogText(const wxString& msg) override;

 private:
  std::vector<wxString> messages_;
  bool taken_ = false;
};

namespace tabulon {

// Makes a MUEasyRedirectMinimalErrorLog the active log target for its lifetime (of the calling thread when that
// is not the main thread) and restores the previous target afterwards.
class RedirectedLogScope {
 public:
  explicit RedirectedLogScope(MUEasyRedirectMinimalErrorLog& redirect);
  ~RedirectedLogScope();
  RedirectedLogScope(const RedirectedLogScope&) = delete;
  RedirectedLogScope& operator=(const RedirectedLogScope&) = delete;

 private:
  wxLog* previous_ = nullptr;
  bool threadTarget_ = false;
};

}  // namespace tabulon
