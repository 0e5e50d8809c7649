#pragma once
// The wizard's current soldier: the record its data page and measurement pages collect
// into and its computations work on. Zero at start, never cleared, never saved.

#include "standards/Records.h"

extern TSoldierData SoldierData;
