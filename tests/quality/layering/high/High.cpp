#include "high/High.h"

void ShowHigh() {}
