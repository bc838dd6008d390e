#include "tabulon/mureaderevents.h"

// Both types are allocated once, during static initialisation.
wxDEFINE_EVENT(MUEVT_TABULON_DATA_CHANGED, MUCommandEvent);
wxDEFINE_EVENT(MUEVT_TABULON_ROW_MARKING_CHANGED, MUCommandEvent);
