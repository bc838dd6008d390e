#pragma once
#include <wx/event.h>
#include <wx/string.h>

namespace tabulon {

// A command-style event of the data-file library: an event type with a text and a number.
// (The toolkit's own command event belongs to its GUI library, which the library does not link.)
class CommandEvent : public wxEvent {
 public:
  explicit CommandEvent(wxEventType type = wxEVT_NULL, int id = 0) : wxEvent(id, type) {}

  const wxString& GetString() const { return text_; }
  void SetString(const wxString& value) { text_ = value; }
  int GetInt() const { return number_; }
  void SetInt(int value) { number_ = value; }

  wxEvent* Clone() const override { return new CommandEvent(*this); }

 private:
  wxString text_;
  int number_ = 0;
};

// Sent by a reader to itself and to its views after its contents changed.
wxDECLARE_EVENT(EVT_DATA_CHANGED, CommandEvent);
// Sent to the application object when a row's mark changed.
wxDECLARE_EVENT(EVT_ROW_MARKING_CHANGED, CommandEvent);

}  // namespace tabulon
