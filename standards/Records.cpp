#include "standards/Records.h"

TSoldierData SoldierData;
