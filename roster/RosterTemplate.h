#pragma once
// A roster to fill in: the header row naming the columns that a roster of one tape method
// reads, with the method column, and one made-up soldier's row as an example, CSV as the
// program writes it. Read back as a roster, its one row is accepted.

#include "standards/TapeMethod.h"

#include <QByteArray>

QByteArray RosterTemplate(TapeMethod method);
