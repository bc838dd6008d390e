#include "tabulon/src/murowpredicate.h"

MURowPredicate::~MURowPredicate() = default;
