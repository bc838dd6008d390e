#include "mueasyredirectminimalerrorlog.h"
#include <wx/thread.h>

namespace {
class BareMessageFormatter : public wxLogFormatter {
 public:
  wxString Format(wxLogLevel, const wxString& msg, const wxLogRecordInfo&) const override { return msg; }
};
}  // namespace

MUEasyRedirectMinimalErrorLog::MUEasyRedirectMinimalErrorLog() { delete SetFormatter(new BareMessageFormatter); }

std::vector<wxString> MUEasyRedirectMinimalErrorLog::TakeMessages() {
  taken_ = true;
  return messages_;
}

void MUEasyRedirectMinimalErrorLog::DoLogText(const wxString& msg) {
  if (taken_) {
    messages_.clear();
    taken_ = false;
  }
  messages_.push_back(msg);
}

tabulon::RedirectedLogScope::RedirectedLogScope(MUEasyRedirectMinimalErrorLog& redirect) {
  // Messages logged by another thread go to its own target, or wait for the main thread's target.
  threadTarget_ = !wxThread::IsMain();
  previous_ = threadTarget_ ? wxLog::SetThreadActiveTarget(&redirect) : wxLog::SetActiveTarget(&redirect);
}

tabulon::RedirectedLogScope::~RedirectedLogScope() {
  if (threadTarget_) {
    wxLog::SetThreadActiveTarget(previous_);
  } else {
    wxLog::SetActiveTarget(previous_);
  }
}
