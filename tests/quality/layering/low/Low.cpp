// Uses the layer above it and a widget.
#include "high/High.h"

#include <QWidget>

void ShowLow() { QWidget().show(); }
