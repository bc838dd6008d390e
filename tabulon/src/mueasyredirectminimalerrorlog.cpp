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
  taken = true;
  return messages;
}

void MUEasyRedirectMinimalErrorLog::DoLogText(const wxString& msg) {
  if (taken) {
    messages.clear();
    taken = false;
  }
  messages.push_back(msg);
}

MURedirectedLogScope::MURedirectedLogScope(MUEasyRedirectMinimalErrorLog& redirect) {
  // Messages logged by another thread go to its own target, or wait for the main thread's target.
  threadTarget = !wxThread::IsMain();
  previous = threadTarget ? wxLog::SetThreadActiveTarget(&redirect) : wxLog::SetActiveTarget(&redirect);
}

MURedirectedLogScope::~MURedirectedLogScope() {
  if (threadTarget) {
    wxLog::SetThreadActiveTarget(previous);
  } else {
    wxLog::SetActiveTarget(previous);
  }
}
