#include "tabulon/muinterfacefileobserver.h"

MUInterfaceFileObserver::~MUInterfaceFileObserver() = default;
