#include "tabulon/readerevents.h"

// Both types are allocated once, during static initialisation.
wxDEFINE_EVENT(tabulon::EVT_DATA_CHANGED, tabulon::CommandEvent);
wxDEFINE_EVENT(tabulon::EVT_ROW_MARKING_CHANGED, tabulon::CommandEvent);
