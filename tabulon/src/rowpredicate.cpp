#include "tabulon/rowpredicate.h"

tabulon::RowPredicate::~RowPredicate() = default;
