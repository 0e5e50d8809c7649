#include "standards/Tables.h"

TScreenTable ScreenTable;
TStandardTable StandardTable;
TTableB1 TableB1;
TTableB2 TableB2;
TTableB3 TableB3;
TTableB4 TableB4;
TTableB5 TableB5;
TTableB6 TableB6;
TTableB7 TableB7;
TTableB8 TableB8;
TOneSiteTable OneSiteTable;
TExemptTable ExemptTable;
