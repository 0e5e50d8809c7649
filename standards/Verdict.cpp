#include "standards/Calculate.h"

bool WithinStandards(const TSoldierData& soldier) { return !(soldier.BodyFat > soldier.MaxBodyFat); }
