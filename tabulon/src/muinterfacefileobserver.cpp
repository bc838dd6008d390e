#include "tabulon/src/muinterfacefileobserver.h"

MUInterfaceFileObserver::~MUInterfaceFileObserver() = default;
