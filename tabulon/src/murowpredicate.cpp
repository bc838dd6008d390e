#include "tabulon/murowpredicate.h"

MURowPredicate::~MURowPredicate() = default;
