#pragma once
// A roster value entered into one of the wizard's masked fields as an operator types it, so
// that the field's text, and with it the wizard's reading rules, checks and worksheet, apply
// unchanged.
//
// Spreadsheets write numbers without padding, so a value goes where an operator puts it for
// the field to read as that number:
// - two-digit field (Age): both cells must be filled, so a single digit gets the leading
//   zero an operator has to type: "7" is entered as 07 (and then refused as an age of 7);
// - three-digit field (Weight): the digits fill the last cells, where they read as the
//   number: "95" leaves the first cell empty, " 95";
// - decimal field (Height, measurements): the digits before the point end at the point, those
//   after it start there: "5.5" is " 5.5 ", "72" is "72.  ", "68.25" is "68.25";
// - SSAN: nine digits, with or without its two dashes in their places.
// An empty value leaves the field untouched, as an operator who never typed in it.

#include "entry/MaskedEditModel.h"

#include <QString>

#include <optional>

// The field's text after the value has been typed in; nothing when the field cannot hold the
// value (another character, more digits than cells, a second point, a dash out of place).
std::optional<QString> EnterIntoField(MaskFormat format, const QString& value);
