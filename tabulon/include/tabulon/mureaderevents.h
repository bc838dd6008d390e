#pragma once
#include <wx/event.h>
#include <wx/string.h>

// A command-style event of the data-file library: an event type with a text and a number.
// (The toolkit's own command event belongs to its GUI library, which the library does not link.)
class MUCommandEvent : public wxEvent {
 public:
  explicit MUCommandEvent(wxEventType type = wxEVT_NULL, int id = 0) : wxEvent(id, type) {}

  const wxString& GetString() const { return text; }
  void SetString(const wxString& value) { text = value; }
  int GetInt() const { return number; }
  void SetInt(int value) { number = value; }

  wxEvent* Clone() const override { return new MUCommandEvent(*this); }

 private:
  wxString text;
  int number = 0;
};

// Sent by a reader to itself and to its views after its contents changed.
wxDECLARE_EVENT(MUEVT_TABULON_DATA_CHANGED, MUCommandEvent);
// Sent to the application object when a row's mark changed.
wxDECLARE_EVENT(MUEVT_TABULON_ROW_MARKING_CHANGED, MUCommandEvent);
