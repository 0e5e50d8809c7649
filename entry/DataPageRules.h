#pragma once
// The soldier data page's rules on the texts of its fields: upper-casing, the rank's room,
// the checks made when the focus leaves Age, Weight or Height, and the collection of the
// page into a record. The wizard's page applies them to its widgets; a roster applies
// them to its rows, so both refuse the same values with the same messages.

#include "standards/Records.h"

#include <QString>

#include <optional>

// Name and Rank turn letters to upper case as they are typed.
QString UpperCased(const QString& text);

// The items of the page's sex group; the wizard reads the selected one's string.
QString SexItem(Sex sex);

// Rank takes at most this many characters.
constexpr int kRankLength = 3;
// Name takes at most this many: a line edit's own limit, which the page keeps (the record
// stores the first 25; the worksheet prints the whole name, and a name this long can still
// be drawn).
constexpr int kNameLength = 32767;

// The exit checks of the number fields, on the field's text (every cell, a blank for an
// empty one): the message refusing it, or nothing when it passes.
std::optional<QString> AgeExitCheck(const QString& fieldText);
std::optional<QString> WeightExitCheck(const QString& fieldText);
std::optional<QString> HeightExitCheck(const QString& fieldText);

// The fields the page's numbers come from.
enum class NumberField { Age, Weight, Height };
struct NumberRefusal {
  NumberField field;
  QString message;  // "Age is a required Field!", ...
};

// Copies the identity texts into the record (Name and Rank cut to their room there, the SSAN
// as its field gives it).
void StoreIdentity(const QString& name, const QString& rank, const QString& ssanFieldText, TSoldierData& data);

// Reads Age, Weight and Height, in this order, into the record (the height brought to the
// quarter inch). Stops at the first text that cannot be read; the numbers read before it
// stay stored. No range is checked here: that is the exit checks' part.
std::optional<NumberRefusal> CollectNumbers(const QString& ageText, const QString& weightText,
                                            const QString& heightText, TSoldierData& data);
