#include "shell/CurrentSoldier.h"

TSoldierData SoldierData;
