#pragma once
// A roster value that its field cannot hold is refused with the field's own "Invalid input
// value.", followed by what the column takes, so that the cell can be put right without
// the wizard at hand: "Invalid input value. (a number of inches such as 34.25)".

#include <QString>

// The kinds of value a roster's columns take.
enum class ValueKind { Name, Rank, Sex, Ssan, Age, Weight, Inches };

// The refusal of `value` in a column of the kind. An SSAN that a spreadsheet has stored as
// a number, losing its leading zeros, is told so.
QString InvalidValueMessage(ValueKind kind, const QString& value);
